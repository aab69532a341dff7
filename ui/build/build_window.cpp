// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/build_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <exception>

#include "studies/design_biquads.h"
#include "studies/designators.h"
#include "studies/parts_list.h"
#include "studies/sensitivity_table.h"
#include "ui/build/build_controls.h"
#include "ui/build/build_netlist.h"
#include "ui/build/build_overlay.h"
#include "ui/build/paper_exports.h"
#include "ui/build/sensitivity_table.h"
#include "ui/schematic/schematic_view.h"
#include "ui/tab_feed/follow_tab.h"
#include "ui/tab_feed/tab_feed.h"

namespace tessaron {

BuildWindow::BuildWindow(QWidget& parent, const TabFeed& feed, TopologyKind topology,
                         const QString& tabCaption, QCustomPlot& gainChart, QCustomPlot& phaseChart,
                         Saving saving)
    : QWidget(&parent, Qt::Window),
      feed_(feed),
      topology_(topology),
      overlay_(std::make_unique<BuildOverlay>(gainChart, phaseChart)) {
    setWindowTitle(QString("Tessaron — Build, %1").arg(tabCaption));
    choices_ = new BuildChoicesPanel(*this);
    opAmp_ = new OpAmpGroup(*this, feed, topology);

    status_ = wrappedLabel(*this, "Status");
    table_ = new QTableWidget(0, static_cast<int>(kBuildTableHeader.size()), this);
    table_->setObjectName("Table");
    QStringList header;
    for (const std::string_view title : kBuildTableHeader) {
        header << qText(title);
    }
    table_->setHorizontalHeaderLabels(header);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setStretchLastSection(true);
    sensitivity_ = new SensitivityTable(this);
    schematic_ = new SchematicView(this);
    views_ = new QTabWidget(this);
    views_->setObjectName("Views");
    views_->addTab(table_, "Table");
    views_->addTab(sensitivity_, "Sensitivity");
    views_->addTab(schematic_, "Schematic");
    summary_ = wrappedLabel(*this, "Summary");
    bandStatus_ = wrappedLabel(*this, "BandStatus");
    copy_ = new QPushButton("Copy", this);
    copy_->setObjectName("Copy");
    saveNetlist_ = new QPushButton("Save SPICE Netlist…", this);
    saveNetlist_->setObjectName("SaveNetlist");
    exports_ = new PaperExports(*this, std::move(saving), *schematic_);
    export_ = new QPushButton("Export", this);
    export_->setObjectName("Export");
    export_->setMenu(&exports_->menu());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bandStatus_, 1);
    buttons->addWidget(copy_);
    buttons->addWidget(export_);
    buttons->addWidget(saveNetlist_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choices_);
    layout->addWidget(opAmp_);
    layout->addWidget(status_);
    layout->addWidget(views_, 1);
    layout->addWidget(summary_);
    layout->addLayout(buttons);
    resize(720, 760);

    connect(copy_, &QPushButton::clicked, this, &BuildWindow::copyTable);
    connect(saveNetlist_, &QPushButton::clicked, this, &BuildWindow::netlistSaveRequested);
    // A new "Calc" of the tab makes the last design's band and curve stale:
    // the band stops, and the curve is not drawn over the new points.
    connect(&feed, &TabFeed::designStarting, this, [this](TopologyKind starting) {
        if (starting == topology_) {
            cancelBand();
            overlay_->withdraw();
        }
    });
    followTab(feed, topology, *this, [this] { refresh(); });
    const auto refreshShown = [this] {
        if (isVisible()) {
            refresh();
        }
    };
    connect(choices_, &BuildChoicesPanel::changed, this, refreshShown);
    connect(opAmp_, &OpAmpGroup::changed, this, refreshShown);
}

BuildWindow::~BuildWindow() {
    cancelBand();
}

BuildChoices BuildWindow::choices() const {
    return choices_->choices();
}

ChosenModel BuildWindow::model() const {
    return opAmp_->model();
}

std::variant<std::string, QString> BuildWindow::netlist() const {
    return buildNetlist(feed_.lastDesign(topology_), choices().series, model());
}

QString BuildWindow::tableText() const {
    return qText(tabSeparatedTable(rows_, summaryText_));
}

void BuildWindow::copyTable() const {
    QGuiApplication::clipboard()->setText(tableText());
}

void BuildWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void BuildWindow::hideEvent(QHideEvent* event) {
    cancelBand();
    overlay_->clear();
    QWidget::hideEvent(event);
}

void BuildWindow::refresh() {
    cancelBand();
    band_.reset();
    overlay_->clearBand();
    const TabDesign* design = feed_.lastDesign(topology_);
    if (design == nullptr) {
        showNothing("No design yet: the table fills after the first \"Calc\" of this tab.");
        return;
    }
    if (!design->parts) {
        showNothing("The last design stopped, so there is nothing to round: " + design->stopReason);
        return;
    }
    const DesignParts& parts = *design->parts;
    const BuildChoices c = choices();
    const StandardBuild build = chooseStandardValues(parts, c.series);
    const ChosenModel chosen = model();
    model_ = chosen.model.value_or(CircuitModel{});
    opAmpRows_ =
        chosen.model ? opAmpStageRows(parts, build, model_.opAmp) : std::vector<OpAmpStageRow>{};
    const CircuitDesignators designators = designateCircuit(parts.topology, parts.stageCount());
    rows_ = buildTableRows(build, feed_.decimalSeparator(), opAmpRows_, designators.parts);
    fillTable();
    showPaper(*design, build, c, designators);
    saveNetlist_->setEnabled(std::holds_alternative<std::string>(netlist()));
    exactCascade_ = factorBiquads(designBiquads(parts));
    frequencies_ = parts.frequencies;
    fc_ = parts.fc;

    // A field that cannot be read is not computed with: the table stays the
    // ideal op-amp's, and nothing is drawn until it can be.
    if (!chosen.model || !build.complete()) {
        QStringList faults;
        for (const PartFault& fault : build.faults) {
            faults << qText(faultMessage(fault));
        }
        status_->setText(
            !chosen.model
                ? chosen.problem + "\nThe response and the band wait for a value that can be used."
                : faults.join('\n') +
                      "\nThe response and the band need a standard value for every part.");
        summaryText_.clear();
        summary_->clear();
        bandStatus_->clear();
        overlay_->clear();
        return;
    }
    // As built: with the model's op-amp and connection, which by default is
    // the topology's own stage formulas, the curve the window always drew.
    standardCascade_ = modelledCascade(parts.topology, build.chosenValues, model_);
    const CascadeResponse standard = cascadeResponse(standardCascade_, frequencies_);
    if (standard.fault == ResponseFault::None) {
        status_->clear();
        overlay_->showStandard(standard.curves, frequencies_);
    } else {
        status_->setText("The standard-value response cannot be drawn: " +
                         qText(faultText(standard.fault)) + ".");
        overlay_->clear();
    }
    showSummary(false);
    startBand(bandCircuit(parts.topology, build, c.tolerances, model_), frequencies_);
}

void BuildWindow::showNothing(const QString& status) {
    overlay_->clear();
    rows_.clear();
    fillTable();
    saveNetlist_->setEnabled(false);
    sensitivity_->showRows({});
    qualityMover_.clear();
    schematic_->showMessage(status);
    exports_->clear();
    status_->setText(status);
    summaryText_ = status.toStdString();
    summary_->clear();
    bandStatus_->clear();
}

void BuildWindow::fillTable() {
    table_->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const BuildTableRow& row = rows_[r];
        const std::array cells{&row.stage, &row.item, &row.exact, &row.standard, &row.deviation};
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(qText(*cells[column]));
            if (column >= 2) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(static_cast<int>(r), static_cast<int>(column), item);
        }
    }
    table_->resizeColumnsToContents();
}

// The parts as the series boxes have them (Exact keeps the design's own):
// their sensitivities, the drawing and the parts list.
void BuildWindow::showPaper(const TabDesign& design, const StandardBuild& build,
                            const BuildChoices& c, const CircuitDesignators& designators) {
    const DesignParts& parts = *design.parts;
    const std::string& separator = feed_.decimalSeparator();
    std::vector<ShownPart> shown = chosenParts(build, c.series);
    const Sensitivities s =
        partSensitivities(parts.topology, valuesOf(shown),
                          partTolerances(parts.topology, shown.size(), c.tolerances), parts.fc);
    sensitivity_->showRows(sensitivityTableRows(s, shown, designators.parts, separator));
    qualityMover_ = qualityMoverText(s, designators.parts, separator);
    exports_->setDesign(qText(designFileStem(designSummary(design))),
                        partsListCsv(partsList(shown, designators, c.tolerances)));
    schematic_->showDrawing(parts.topology, std::move(shown));
}

void BuildWindow::showSummary(bool withTrials) {
    const ToleranceBand noBand;
    const BandSummary summary =
        summarizeBand(exactCascade_, standardCascade_, band_ ? *band_ : noBand, frequencies_, fc_);
    summaryText_ = bandSummaryText(summary, withTrials, feed_.decimalSeparator());
    const std::string opAmp = opAmpSummaryText(opAmpRows_, model_.opAmp, feed_.decimalSeparator());
    if (!opAmp.empty()) {
        summaryText_ += ' ' + opAmp;
    }
    if (!qualityMover_.empty()) {
        summaryText_ += ' ' + qualityMover_;
    }
    summary_->setText(qText(summaryText_));
}

void BuildWindow::startBand(const BandCircuit& circuit, const std::vector<double>& frequencies) {
    const BuildChoices c = choices();
    BandOptions options;
    options.trials = c.trials;
    options.seed = c.seed;
    const std::uint64_t generation = ++generation_;
    running_ = true;
    bandStatus_->setText(QString("Tolerance band: %1 trials running…").arg(c.trials));
    bandClock_.start();
    bandThread_ = std::jthread(
        [this, circuit, frequencies, options, generation](const std::stop_token& stop) {
            ToleranceBand band;
            QString error;
            try {
                band = toleranceBand(circuit, frequencies, options, stop);
            } catch (const std::exception& e) {
                error = QString::fromUtf8(e.what());
            }
            if (stop.stop_requested()) {
                return;
            }
            // Back to the window's thread; dropped there if the window has gone.
            QMetaObject::invokeMethod(
                this,
                [this, generation, band = std::move(band), error]() mutable {
                    bandFinished(generation, std::move(band), error);
                },
                Qt::QueuedConnection);
        });
}

void BuildWindow::cancelBand() {
    if (bandThread_.joinable()) {
        bandThread_.request_stop();
        bandThread_.join();
    }
    ++generation_;
    running_ = false;
}

void BuildWindow::bandFinished(std::uint64_t generation, ToleranceBand band, const QString& error) {
    if (generation != generation_) {
        return;
    }
    if (bandThread_.joinable()) {
        bandThread_.join();
    }
    running_ = false;
    bandMilliseconds_ = bandClock_.elapsed();
    if (!error.isEmpty() || band.fault != BandFault::None) {
        const QString why = !error.isEmpty()
                                ? error
                                : qText(band.fault == BandFault::Response ? faultText(band.response)
                                                                          : faultText(band.fault));
        bandStatus_->setText("Tolerance band: cannot be computed: " + why + ".");
        Q_EMIT bandShown();
        return;
    }
    band_ = std::move(band);
    overlay_->showBand(*band_, frequencies_);
    showSummary(true);
    const BuildChoices c = choices();
    bandStatus_->setText(QString("Tolerance band: %1 trials, seed %2, %3 ms")
                             .arg(band_->trials)
                             .arg(c.seed)
                             .arg(bandMilliseconds_));
    Q_EMIT bandShown();
}

}  // namespace tessaron
