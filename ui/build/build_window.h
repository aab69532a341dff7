// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "engine/topologies.h"
#include "studies/band_summary.h"
#include "studies/build_table.h"
#include "studies/cascade_response.h"
#include "studies/designators.h"
#include "studies/standard_build.h"
#include "studies/tolerance_band.h"
#include "ui/build/build_choices.h"
#include "ui/build/opamp_group.h"
#include "ui/files/result_saver.h"

class QCustomPlot;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace tessaron {

class BuildOverlay;
class PaperExports;
class SchematicView;
class SensitivityTable;
class TabFeed;
struct TabDesign;

// "Build": the tab's last design with every part chosen from a standard
// series, each stage's fn and Q beside the exact ones, and the Monte Carlo
// band of the parts' tolerances, all of the circuit as built with the op-amp
// (or, on the passive tab, the connection) chosen. Follows the tab's "Calc"s
// while it is shown; the band is computed on other threads, and a newer
// design or choice cancels the one running. While it is shown it draws the
// standard-value response and the band on the tab's own charts.
class BuildWindow : public QWidget {
    Q_OBJECT

  public:
    // Made by the companion windows, which give it the program's `saving`.
    BuildWindow(QWidget& parent, const TabFeed& feed, TopologyKind topology,
                const QString& tabCaption, QCustomPlot& gainChart, QCustomPlot& phaseChart,
                Saving saving);
    ~BuildWindow() override;

    TopologyKind topology() const { return topology_; }
    BuildChoices choices() const;
    ChosenModel model() const;
    // The table and the summary as "Copy" puts them on the clipboard.
    QString tableText() const;
    // The SPICE netlist of the tab's last design with these choices, or why
    // there is none (see buildNetlist).
    std::variant<std::string, QString> netlist() const;

    // The last band that came back and how long it took, wall time from the
    // start of its computation until it was handed to this window.
    const std::optional<ToleranceBand>& band() const { return band_; }
    qint64 bandMilliseconds() const { return bandMilliseconds_; }
    bool bandRunning() const { return running_; }

  public Q_SLOTS:
    void copyTable() const;

  Q_SIGNALS:
    // A band came back and is shown.
    void bandShown();
    // "Save SPICE Netlist…" was clicked.
    void netlistSaveRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void refresh();
    void showNothing(const QString& status);
    void fillTable();
    void startBand(const BandCircuit& circuit, const std::vector<double>& frequencies);
    void bandFinished(std::uint64_t generation, ToleranceBand band, const QString& error);
    void cancelBand();
    void showSummary(bool withTrials);
    void showPaper(const TabDesign& design, const StandardBuild& build, const BuildChoices& c,
                   const CircuitDesignators& designators);

    const TabFeed& feed_;
    TopologyKind topology_;
    std::unique_ptr<BuildOverlay> overlay_;

    BuildChoicesPanel* choices_;
    OpAmpGroup* opAmp_;
    QLabel* status_;
    QTabWidget* views_;
    QTableWidget* table_;
    SensitivityTable* sensitivity_;
    SchematicView* schematic_;
    QLabel* summary_;
    QLabel* bandStatus_;
    QPushButton* copy_;
    QPushButton* export_;
    PaperExports* exports_;
    QPushButton* saveNetlist_;

    // What the table and summary show now.
    std::vector<BuildTableRow> rows_;
    std::string summaryText_;
    std::string qualityMover_;
    FactoredCascade exactCascade_;
    FactoredCascade standardCascade_;
    CircuitModel model_;
    std::vector<OpAmpStageRow> opAmpRows_;
    std::vector<double> frequencies_;
    double fc_ = 0;

    std::optional<ToleranceBand> band_;
    qint64 bandMilliseconds_ = 0;
    bool running_ = false;
    // Results of a band started for an older design or choice are dropped.
    std::uint64_t generation_ = 0;
    QElapsedTimer bandClock_;
    // Last, so that it is stopped and joined before anything it uses goes.
    std::jthread bandThread_;
};

}  // namespace tessaron
