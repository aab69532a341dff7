// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/context_menu.h"

#include <QMenu>
#include <QWidget>
#include <stdexcept>

namespace tessaron {

ContextMenu::ContextMenu(QWidget& widget, QWidget& origin, OwnItems ownItems)
    : QObject(&widget), origin_(origin), ownItems_(std::move(ownItems)) {
    widget.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&widget, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QMenu* menu = create(position);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(origin_.mapToGlobal(position));
    });
}

ContextMenu* ContextMenu::of(const QWidget& widget) {
    return widget.findChild<ContextMenu*>(QString(), Qt::FindDirectChildrenOnly);
}

void ContextMenu::add(MenuItems items) {
    added_.push_back(std::move(items));
}

QMenu* ContextMenu::create(const QPoint& position) const {
    QMenu* menu = ownItems_(position);
    for (const MenuItems& items : added_) {
        items(*menu);
    }
    return menu;
}

void setUpContextMenu(QWidget& widget, QWidget& origin, ContextMenu::OwnItems ownItems) {
    new ContextMenu(widget, origin, std::move(ownItems));
}

namespace {

ContextMenu& contextMenuOf(const QWidget& widget) {
    ContextMenu* menu = ContextMenu::of(widget);
    if (menu == nullptr) {
        throw std::logic_error("The widget " + widget.objectName().toStdString() +
                               " has no context menu of its own");
    }
    return *menu;
}

}  // namespace

void addContextMenuItems(QWidget& widget, MenuItems items) {
    contextMenuOf(widget).add(std::move(items));
}

QMenu* createContextMenu(const QWidget& widget, const QPoint& position) {
    return contextMenuOf(widget).create(position);
}

}  // namespace tessaron
