// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "ui/charts/chart_export.h"
#include "ui/files/atomic_file.h"
#include "ui/files/dialogs.h"
#include "ui/files/save_target.h"

class QCustomPlot;
class QPlainTextEdit;

namespace tessaron {

class ChartSeries;

// Takes results out of the window into files. Each save asks for a file in the
// folder used last (for this session only: the program keeps no settings),
// proposing `stem` with the suffix of the type selected first, and writes the
// file whole or not at all. A failure shows an error box that names the file
// and the reason; the window goes on.
//
// A save runs as foreign code with every arithmetic fault masked, and the
// unit comes back as the numeric component loaded it: whatever Qt leaves in
// it, the next "Calc" computes as if no save had happened.
class ResultSaver {
  public:
    ResultSaver();

    // The memo's text as plain UTF-8 with the platform's line endings.
    void saveReport(UserDialogs& dialogs, const QPlainTextEdit& memo, const QString& stem);
    // The chart as SVG, PDF or PNG (1×, 2× or 4× its size on screen).
    void saveChart(UserDialogs& dialogs, QCustomPlot& chart, const QString& stem);
    // Both curves of a tab in one CSV file, one row per point.
    void exportCurves(UserDialogs& dialogs, const ChartSeries& gain, const ChartSeries& phase,
                      const QString& stem);

    // A SPICE netlist as it stands, with the platform's line endings.
    void saveNetlist(UserDialogs& dialogs, const std::string& netlist, const QString& stem);

    // Any picture in the types a chart is saved in, its bytes made for the
    // type chosen; and any CSV text, made once a file is chosen. Both are
    // made inside the save, as foreign code like the rest of it.
    using PictureBytes = std::function<QByteArray(ChartFormat format, int scale)>;
    void savePicture(UserDialogs& dialogs, const QString& caption, const PictureBytes& bytes,
                     const QString& stem);
    void saveCsv(UserDialogs& dialogs, const QString& caption,
                 const std::function<std::string()>& text, const QString& stem);

    const QString& folder() const { return folder_; }

  private:
    std::optional<SaveTarget> ask(UserDialogs& dialogs, const QString& caption, const QString& stem,
                                  std::span<const SaveFileType> types);
    void write(UserDialogs& dialogs, const QString& path, const QByteArray& bytes,
               LineEndings lineEndings);

    QString folder_;
};

// What a companion window saves with: the program's one saver, so that every
// save proposes the folder used last; the boxes the main window shows now;
// and its top-level handler, which a save runs under.
struct Saving {
    ResultSaver* saver = nullptr;
    std::function<UserDialogs&()> dialogs;
    std::function<void(const std::function<void()>&)> handled;
};

}  // namespace tessaron
