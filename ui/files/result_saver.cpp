// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/result_saver.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QPlainTextEdit>
#include <array>
#include <vector>

#include "analysis/curves_csv.h"
#include "mathlib/fp_guard.h"
#include "ui/charts/chart_series.h"
#include "ui/files/chart_file_types.h"
#include "ui/files/error_text.h"

namespace tessaron {

namespace {

const std::array<SaveFileType, 1> kReportTypes{
    {{QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")}}};
const std::array<SaveFileType, 1> kCsvTypes{
    {{QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv")}}};
const std::array<SaveFileType, 1> kNetlistTypes{
    {{QStringLiteral("SPICE netlists (*.cir)"), QStringLiteral("cir")}}};

QByteArray bytesOf(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A save is foreign code through and through (Qt's painting and file code, the
// dialog and its event loop; see fp_guard.h), with no arithmetic of ours to
// check. It runs as library arithmetic does: every fault masked, so nothing
// traps under the loaded word, and whatever it leaves in the unit (flags,
// another precision, another rounding) is dropped when it ends.
template <class Save>
void asForeignCode(Save save) {
    fp::libraryArithmetic(save);
}

}  // namespace

ResultSaver::ResultSaver() : folder_(QDir::homePath()) {}

std::optional<SaveTarget> ResultSaver::ask(UserDialogs& dialogs, const QString& caption,
                                           const QString& stem,
                                           std::span<const SaveFileType> types) {
    SaveFileQuestion question;
    question.caption = caption;
    question.proposedPath = QDir(folder_).filePath(stem + '.' + types.front().suffix);
    for (const SaveFileType& type : types) {
        question.filters << type.filter;
    }
    const std::optional<SaveFileAnswer> answer = dialogs.askSaveFileName(question);
    if (!answer) {
        return std::nullopt;
    }
    const SaveTarget target = saveTarget(*answer, types);
    // Remembered even if the write then fails: the user chose that folder.
    folder_ = QFileInfo(target.path).absolutePath();
    return target;
}

void ResultSaver::write(UserDialogs& dialogs, const QString& path, const QByteArray& bytes,
                        LineEndings lineEndings) {
    if (const std::optional<QString> reason = writeFileAtomically(path, bytes, lineEndings)) {
        dialogs.showError(errorBoxText(QStringLiteral("Cannot save \"%1\": %2")
                                           .arg(QDir::toNativeSeparators(path), *reason)
                                           .toStdString()));
    }
}

void ResultSaver::saveReport(UserDialogs& dialogs, const QPlainTextEdit& memo,
                             const QString& stem) {
    asForeignCode([&] {
        if (const auto target = ask(dialogs, QObject::tr("Save Report As"), stem, kReportTypes)) {
            write(dialogs, target->path, memo.toPlainText().toUtf8(), LineEndings::Platform);
        }
    });
}

void ResultSaver::saveChart(UserDialogs& dialogs, QCustomPlot& chart, const QString& stem) {
    savePicture(
        dialogs, QObject::tr("Save Chart As"),
        [&chart](ChartFormat format, int scale) { return chartFileBytes(chart, format, scale); },
        stem);
}

void ResultSaver::exportCurves(UserDialogs& dialogs, const ChartSeries& gain,
                               const ChartSeries& phase, const QString& stem) {
    saveCsv(
        dialogs, QObject::tr("Export Curves As CSV"),
        [&] { return curvesCsv(gain.points(), phase.points()); }, stem);
}

void ResultSaver::savePicture(UserDialogs& dialogs, const QString& caption,
                              const PictureBytes& bytes, const QString& stem) {
    std::vector<SaveFileType> types;
    for (const ChartFileType& type : chartFileTypes()) {
        types.push_back(type.file);
    }
    asForeignCode([&] {
        if (const auto target = ask(dialogs, caption, stem, types)) {
            const ChartFileType& type = chartFileTypes()[static_cast<std::size_t>(target->type)];
            write(dialogs, target->path, bytes(type.format, type.scale), LineEndings::Unix);
        }
    });
}

void ResultSaver::saveCsv(UserDialogs& dialogs, const QString& caption,
                          const std::function<std::string()>& text, const QString& stem) {
    asForeignCode([&] {
        if (const auto target = ask(dialogs, caption, stem, kCsvTypes)) {
            write(dialogs, target->path, bytesOf(text()), LineEndings::Platform);
        }
    });
}

void ResultSaver::saveNetlist(UserDialogs& dialogs, const std::string& netlist,
                              const QString& stem) {
    asForeignCode([&] {
        if (const auto target =
                ask(dialogs, QObject::tr("Save SPICE Netlist"), stem, kNetlistTypes)) {
            write(dialogs, target->path, bytesOf(netlist), LineEndings::Platform);
        }
    });
}

}  // namespace tessaron
