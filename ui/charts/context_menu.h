// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

class QMenu;
class QWidget;

namespace tessaron {

// Items a part of the program puts into a widget's context menu.
using MenuItems = std::function<void(QMenu& menu)>;

// A widget's context menu, built afresh each time it opens: first the widget's
// own items, then every group of items added since, in the order added. Owned
// by its widget.
class ContextMenu : public QObject {
    Q_OBJECT

  public:
    // Makes the menu with the widget's own items for a position in `origin`
    // (the widget itself, or the viewport of a scroll area).
    using OwnItems = std::function<QMenu*(const QPoint& position)>;

    ContextMenu(QWidget& widget, QWidget& origin, OwnItems ownItems);

    // The one given to `widget`, or null.
    static ContextMenu* of(const QWidget& widget);

    void add(MenuItems items);
    // The whole menu for a position in the origin, for the caller to show and delete.
    QMenu* create(const QPoint& position) const;

  private:
    QWidget& origin_;
    OwnItems ownItems_;
    std::vector<MenuItems> added_;
};

// Gives `widget` a context menu that starts with `ownItems`' items.
void setUpContextMenu(QWidget& widget, QWidget& origin, ContextMenu::OwnItems ownItems);

// The one way to add to a report's or a chart's context menu: `items` runs each
// time the menu opens, after the items already there. The widget must have a
// context menu set up.
void addContextMenuItems(QWidget& widget, MenuItems items);

// The widget's whole context menu for a position, as a right click there shows it.
QMenu* createContextMenu(const QWidget& widget, const QPoint& position);

}  // namespace tessaron
