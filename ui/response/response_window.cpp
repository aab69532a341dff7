// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/response/response_window.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>
#include <variant>

#include "ui/charts/chart_series.h"
#include "ui/charts/chart_style.h"
#include "ui/charts/chart_text.h"
#include "ui/response/family_style.h"
#include "ui/response/response_figures.h"
#include "ui/response/seconds_text.h"
#include "ui/tab_feed/tab_feed.h"

namespace tessaron {
namespace {

constexpr int kChartWidth = 560;
constexpr int kChartHeight = 280;

ChartLook delayLook() {
    return {QStringLiteral("<Group delay>"), KeyAxis::Frequency,
            QSharedPointer<SecondsTicker>::create(),
            [](double hertz, double seconds, const QLocale& locale) {
                return frequencyText(hertz, locale) + ", " + secondsText(seconds, locale);
            },
            RangeOver::AllSeries};
}

ChartLook stepLook() {
    return {QStringLiteral("<Step response>"), KeyAxis::Time, nullptr,
            [](double seconds, double value, const QLocale& locale) {
                return secondsText(seconds, locale) + ", " + locale.toString(value, 'f', 4);
            },
            RangeOver::AllSeries};
}

QCustomPlot* newChart(QWidget* parent, const QString& name, const ChartLook& look) {
    auto* chart = new QCustomPlot(parent);
    chart->setObjectName(name);
    chart->setMinimumSize(kChartWidth, kChartHeight);
    setUpHouseChart(*chart, look);
    return chart;
}

void addCurve(QCustomPlot& chart, FilterFamily family, const std::vector<PlotPoint>& points) {
    QCPGraph& graph = addLineSeries(chart, familyName(family), familyColour(family));
    setSeriesPoints(graph, points);
    graph.addToLegend();
}

// The legend goes where the curves are not: low on the right, where the delay
// has fallen off and a step that rises has settled above it; a step that
// settles at -1 leaves the top free instead.
void placeLegend(QCustomPlot& chart, bool shown, Qt::Alignment corner) {
    chart.legend->setVisible(shown);
    if (!shown) {
        return;
    }
    QFont font = chart.font();
    font.setPixelSize(10);
    chart.legend->setFont(font);
    chart.legend->setRowSpacing(0);
    chart.axisRect()->insetLayout()->setInsetAlignment(0, corner);
}

}  // namespace

ResponseWindow::ResponseWindow(const CoefficientTables& tables, const TabFeed& feed,
                               TopologyKind topology, const QString& tabCaption, QWidget* parent)
    : QWidget(parent, Qt::Window),
      tables_(tables),
      tabCaption_(tabCaption),
      feed_(feed),
      topology_(topology) {
    setWindowTitle(QStringLiteral("Tessaron — Response, ") + tabCaption);
    setObjectName(QStringLiteral("Response"));

    delayChart_ = newChart(this, QStringLiteral("DelayChart"), delayLook());
    stepChart_ = newChart(this, QStringLiteral("StepChart"), stepLook());
    stepChart_->xAxis->setTicker(QSharedPointer<SecondsTicker>::create());

    compare_ = new QCheckBox(QStringLiteral("Compare families"), this);
    figures_ = new QTableWidget(this);
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    figures_->setFocusPolicy(Qt::NoFocus);
    figures_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    figures_->setRowCount(static_cast<int>(figureNames().size()));
    figures_->setVerticalHeaderLabels(figureNames());
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    figures_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("ResponseMessage"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* charts = new QVBoxLayout;
    charts->addWidget(delayChart_);
    charts->addWidget(stepChart_);
    auto* side = new QVBoxLayout;
    side->addWidget(compare_);
    side->addWidget(figures_, 1);
    side->addWidget(message_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(charts, 3);
    layout->addLayout(side, 2);

    connect(compare_, &QCheckBox::toggled, this, [this] { refresh(); });
}

QString ResponseWindow::message() const {
    return message_->text();
}

void ResponseWindow::refresh() {
    const TabDesign* design = feed_.lastDesign(topology_);
    if (design == nullptr) {
        showNothing(
            QStringLiteral("No design yet: \"Calc\" on the %1 tab makes one.").arg(tabCaption_));
        return;
    }
    if (!design->parts) {
        showNothing(QStringLiteral("The last \"Calc\" stopped, so there is no design to show: ") +
                    design->stopReason);
        return;
    }
    try {
        const SizedDesign sized{design->topology, design->method,  design->family,
                                design->order,    design->request, *design->parts};
        showFamilies(delayAndStepOfFamilies(tables_, sized, compare_->isChecked()));
    } catch (const std::exception& error) {
        showNothing(QStringLiteral("Cannot show the delay and step response: ") +
                    QString::fromUtf8(error.what()));
    }
}

void ResponseWindow::clearCharts() {
    for (QCustomPlot* chart : {delayChart_, stepChart_}) {
        chart->clearGraphs();
    }
}

void ResponseWindow::showNothing(const QString& why) {
    clearCharts();
    for (QCustomPlot* chart : {delayChart_, stepChart_}) {
        placeLegend(*chart, false, {});
        redraw(*chart);
    }
    figures_->setColumnCount(0);
    message_->setText(why);
}

void ResponseWindow::showFamilies(const std::vector<FamilyDelayAndStep>& families) {
    clearCharts();
    const QLocale locale;
    figures_->setColumnCount(static_cast<int>(families.size()));
    QStringList reasons;
    double finalValue = 1;
    int column = 0;
    for (const FamilyDelayAndStep& family : families) {
        const QString name = familyName(family.family);
        figures_->setHorizontalHeaderItem(column, new QTableWidgetItem(name));
        const QStringList texts = figureTexts(family.outcome, locale);
        for (int row = 0; row < texts.size(); ++row) {
            auto* item = new QTableWidgetItem(texts[row]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures_->setItem(row, column, item);
        }
        ++column;
        if (const auto* why = std::get_if<Unshowable>(&family.outcome)) {
            reasons << (families.size() > 1 ? name + ": " : QString()) +
                           QStringLiteral("Cannot show the delay and step response: ") +
                           QString::fromStdString(why->reason);
            continue;
        }
        const auto& shown = std::get<DelayAndStep>(family.outcome);
        addCurve(*delayChart_, family.family, shown.delay.points);
        addCurve(*stepChart_, family.family, shown.step);
        finalValue = shown.finalValue;
    }
    const bool legend = families.size() > 1;
    placeLegend(*delayChart_, legend, Qt::AlignRight | Qt::AlignBottom);
    placeLegend(*stepChart_, legend,
                Qt::AlignRight | (finalValue > 0 ? Qt::AlignBottom : Qt::AlignTop));
    redraw(*delayChart_);
    redraw(*stepChart_);
    message_->setText(reasons.join('\n'));
    // Every column whole beside the charts: the figures are read side by side.
    figures_->resizeColumnsToContents();
    figures_->setMinimumWidth(figures_->verticalHeader()->sizeHint().width() +
                              figures_->horizontalHeader()->length() + 2 * figures_->frameWidth() +
                              4);
}

}  // namespace tessaron
