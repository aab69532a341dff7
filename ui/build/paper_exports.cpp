// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/paper_exports.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

#include "ui/charts/utf8_text.h"
#include "ui/schematic/schematic_file.h"
#include "ui/schematic/schematic_view.h"

namespace tessaron {

PaperExports::PaperExports(QWidget& window, Saving saving, SchematicView& view)
    : QObject(&window), saving_(std::move(saving)), view_(view), menu_(new QMenu(&window)) {
    menu_->setObjectName("PaperMenu");
    item("CopyPartsListAction", tr("Copy Parts List"), &PaperExports::copyPartsList);
    item("SavePartsListAction", tr("Save Parts List…"), &PaperExports::savePartsList);
    menu_->addSeparator();
    view.addAction(item("CopySchematicAction", tr("Copy Schematic"), &PaperExports::copySchematic));
    view.addAction(
        item("SaveSchematicAction", tr("Save Schematic As…"), &PaperExports::saveSchematic));
    view.setContextMenuPolicy(Qt::ActionsContextMenu);
    enable(false);
}

QAction* PaperExports::item(const char* name, const QString& text, void (PaperExports::*act)()) {
    QAction* action = menu_->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, act);
    return action;
}

void PaperExports::enable(bool enabled) {
    for (QAction* action : menu_->actions()) {
        action->setEnabled(enabled);
    }
}

void PaperExports::setDesign(const QString& stem, std::string partsListCsv) {
    stem_ = stem;
    partsListCsv_ = std::move(partsListCsv);
    enable(true);
}

void PaperExports::clear() {
    stem_.clear();
    partsListCsv_.clear();
    enable(false);
}

void PaperExports::saveSchematic() {
    if (!view_.hasDrawing()) {
        return;
    }
    saving_.handled([this] {
        const Scene& scene = view_.fitted().scene;
        const QFont& font = view_.sceneFont();
        saving_.saver->savePicture(
            saving_.dialogs(), tr("Save Schematic As"),
            [&](ChartFormat format, int scale) {
                return schematicFileBytes(scene, font, format, scale);
            },
            stem_ + "-schematic");
    });
}

void PaperExports::copySchematic() {
    if (!view_.hasDrawing()) {
        return;
    }
    saving_.handled([this] {
        QGuiApplication::clipboard()->setImage(
            schematicImage(view_.fitted().scene, view_.sceneFont(), view_.devicePixelRatioF()));
    });
}

void PaperExports::savePartsList() {
    if (stem_.isEmpty()) {
        return;
    }
    saving_.handled([this] {
        saving_.saver->saveCsv(
            saving_.dialogs(), tr("Save Parts List"), [this] { return partsListCsv_; },
            stem_ + "-parts");
    });
}

void PaperExports::copyPartsList() {
    if (!stem_.isEmpty()) {
        QGuiApplication::clipboard()->setText(qText(partsListCsv_));
    }
}

}  // namespace tessaron
