// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "ui/files/result_saver.h"

class QAction;
class QMenu;
class QWidget;

namespace tessaron {

class SchematicView;

// The Build window's ways out for the circuit on paper: the schematic as a
// picture file or an image on the clipboard, the parts list as a CSV file or
// its text on the clipboard. Each is an item of `menu()`; the schematic's
// are in the view's context menu too. Greyed while there is no design.
class PaperExports : public QObject {
    Q_OBJECT

  public:
    PaperExports(QWidget& window, Saving saving, SchematicView& view);

    // Files named from `stem` ("mfb-butterworth-4th-1kHz-schematic.svg"); the
    // schematic is the view's.
    void setDesign(const QString& stem, std::string partsListCsv);
    void clear();

    QMenu& menu() const { return *menu_; }
    const std::string& partsListCsv() const { return partsListCsv_; }

  public Q_SLOTS:
    void saveSchematic();
    void copySchematic();
    void savePartsList();
    void copyPartsList();

  private:
    QAction* item(const char* name, const QString& text, void (PaperExports::*act)());
    void enable(bool enabled);

    Saving saving_;
    SchematicView& view_;
    QMenu* menu_;
    QString stem_;
    std::string partsListCsv_;
};

}  // namespace tessaron
