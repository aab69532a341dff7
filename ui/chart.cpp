#include "ui/chart.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>

namespace tessaron {

namespace {

// The chart's margins, in percent of its size.
constexpr int kMarginLeftPercent = 1;
constexpr int kMarginTopPercent = 2;
constexpr int kMarginRightPercent = 2;
constexpr int kMarginBottomPercent = 1;

// Widening of the automatic ranges so that points on the edges stay whole.
constexpr double kKeyRangeWidening = 1.04;
constexpr double kValueRangeWidening = 1.08;

constexpr double kPointSize = 3.0;
constexpr int kAxisLabelPixels = 9;

// Light enough not to compete with the points, the sub-grid lighter still; the
// 0 dB and 0° lines a little darker, as they are what the eye measures from.
const QColor kGridColour(215, 215, 215);
const QColor kSubGridColour(238, 238, 238);
const QColor kZeroLineColour(165, 165, 165);

// Below this many labelled ticks a zoomed frequency axis switches to a finer
// spacing.
constexpr int kFewestTicks = 3;

const char* const kReadoutLayer = "readout";

int percentOf(int length, int percent) {
    return (length * percent + 50) / 100;
}

double powerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

int decadeOf(double value) {
    // Rounded slightly up so that 1000 computed as 999.9999999 still counts as 10^3.
    return static_cast<int>(std::floor(std::log10(value) + 1e-9));
}

QVector<double> mantissaTicks(std::initializer_list<int> mantissas, const QCPRange& range) {
    QVector<double> ticks;
    for (int exponent = decadeOf(range.lower); exponent <= decadeOf(range.upper); ++exponent) {
        for (int mantissa : mantissas) {
            ticks.append(mantissa * powerOfTen(exponent));
        }
    }
    return ticks;
}

qsizetype countInside(const QVector<double>& ticks, const QCPRange& range) {
    return std::count_if(ticks.cbegin(), ticks.cend(),
                         [&range](double tick) { return range.contains(tick); });
}

// The point whose frequency lies nearest to a horizontal pixel position, as
// the eye judges it on the logarithmic axis.
std::optional<QCPGraphData> nearestInFrequency(const QCPGraph& graph, double pixelX) {
    const QCPGraphDataContainer& data = *graph.data();
    if (data.isEmpty()) {
        return std::nullopt;
    }
    const QCPAxis& keyAxis = *graph.keyAxis();
    const double key = keyAxis.pixelToCoord(pixelX);
    const auto after =
        std::lower_bound(data.constBegin(), data.constEnd(), key,
                         [](const QCPGraphData& point, double k) { return point.key < k; });
    const auto distance = [&](const QCPGraphData& point) {
        return std::abs(keyAxis.coordToPixel(point.key) - pixelX);
    };
    if (after == data.constEnd()) {
        return *(after - 1);
    }
    if (after == data.constBegin()) {
        return *after;
    }
    const QCPGraphData& before = *(after - 1);
    return distance(before) <= distance(*after) ? before : *after;
}

}  // namespace

// Labels and ticks

QString engineeringNumber(double value, const QLocale& locale) {
    struct Prefix {
        double scale;
        const char* symbol;
    };
    static constexpr std::array<Prefix, 3> kPrefixes{{{1e9, "G"}, {1e6, "M"}, {1e3, "k"}}};
    for (const Prefix& prefix : kPrefixes) {
        // A tick computed as 999.9999999 is still 1k.
        if (std::abs(value) >= prefix.scale * (1.0 - 1e-9)) {
            return locale.toString(value / prefix.scale, 'g', 6) + QLatin1String(prefix.symbol);
        }
    }
    return locale.toString(value, 'g', 6);
}

QString frequencyText(double hertz, const QLocale& locale) {
    static constexpr std::array<const char*, 4> kPrefixes{"", "k", "M", "G"};
    double scaled = hertz;
    std::size_t prefix = 0;
    // 999.7 Hz reads "1.00 kHz", not "1000 Hz".
    while (prefix + 1 < kPrefixes.size() && std::abs(scaled) >= 999.5) {
        scaled /= 1000.0;
        ++prefix;
    }
    const double magnitude = std::abs(scaled);
    const int decimals = magnitude >= 99.95 ? 0 : magnitude >= 9.995 ? 1 : 2;
    return locale.toString(scaled, 'f', decimals) + ' ' + QLatin1String(kPrefixes[prefix]) + "Hz";
}

QString readoutText(ChartQuantity quantity, double hertz, double value, const QLocale& locale) {
    double shown = std::round(value * 100.0) / 100.0;
    if (shown == 0.0) {
        // A pass band of -4e-8 dB is 0.00 dB, not "-0.00".
        shown = 0.0;
    }
    const QString unit =
        quantity == ChartQuantity::Gain ? QStringLiteral(" dB") : QString(QChar(0x00B0));
    return frequencyText(hertz, locale) + ", " + locale.toString(shown, 'f', 2) + unit;
}

QString FrequencyTicker::getTickLabel(double tick, const QLocale& locale, QChar, int) {
    return engineeringNumber(tick, locale);
}

QVector<double> FrequencyTicker::createTickVector(double tickStep, const QCPRange& range) {
    spacing_ = Spacing::Decades;
    if (range.lower <= 0.0 || range.upper <= range.lower) {
        return QCPAxisTickerLog::createTickVector(tickStep, range);
    }
    const int powersInside =
        decadeOf(range.upper) - static_cast<int>(std::ceil(std::log10(range.lower) - 1e-9)) + 1;
    if (powersInside >= 2) {
        return QCPAxisTickerLog::createTickVector(tickStep, range);
    }
    QVector<double> ticks = mantissaTicks({1, 2, 5}, range);
    if (countInside(ticks, range) >= kFewestTicks) {
        spacing_ = Spacing::OneTwoFive;
        return ticks;
    }
    ticks = mantissaTicks({1, 2, 3, 4, 5, 6, 7, 8, 9}, range);
    if (countInside(ticks, range) >= kFewestTicks) {
        spacing_ = Spacing::EveryMantissa;
        return ticks;
    }
    spacing_ = Spacing::Linear;
    return QCPAxisTicker::createTickVector(tickStep, range);
}

int FrequencyTicker::getSubTickCount(double tickStep) {
    switch (spacing_) {
        case Spacing::Decades:
            return QCPAxisTickerLog::getSubTickCount(tickStep);
        case Spacing::Linear:
            return QCPAxisTicker::getSubTickCount(tickStep);
        case Spacing::OneTwoFive:
        case Spacing::EveryMantissa:
            break;
    }
    return 0;
}

QVector<double> FrequencyTicker::createSubTickVector(int subTickCount,
                                                     const QVector<double>& ticks) {
    if (spacing_ != Spacing::OneTwoFive) {
        return QCPAxisTicker::createSubTickVector(subTickCount, ticks);
    }
    // Between 1-2-5 ticks the sub-grid falls on the remaining mantissas, as on
    // logarithmic paper.
    QVector<double> subTicks;
    if (ticks.size() < 2) {
        return subTicks;
    }
    for (double tick : mantissaTicks({3, 4, 6, 7, 8, 9}, QCPRange(ticks.front(), ticks.back()))) {
        if (tick > ticks.front() && tick < ticks.back()) {
            subTicks.append(tick);
        }
    }
    return subTicks;
}

QSharedPointer<PreferredStepTicker> PreferredStepTicker::forQuantity(ChartQuantity quantity) {
    if (quantity == ChartQuantity::Gain) {
        return QSharedPointer<PreferredStepTicker>::create(
            std::vector<Step>{{10, 4}, {20, 3}, {40, 3}, {100, 4}, {200, 4}});
    }
    return QSharedPointer<PreferredStepTicker>::create(
        std::vector<Step>{{15, 2}, {30, 2}, {45, 2}, {90, 2}, {180, 3}});
}

double PreferredStepTicker::getTickStep(const QCPRange& range) {
    const double exactStep = range.size() / (mTickCount + 1e-10);
    // Up to twice the exact step: a few ticks fewer, but on lines that mean
    // something.
    const auto step = std::find_if(steps_.cbegin(), steps_.cend(), [exactStep](const Step& s) {
        return s.size >= exactStep && s.size <= 2.0 * exactStep;
    });
    if (step == steps_.cend()) {
        chosen_.reset();
        return QCPAxisTicker::getTickStep(range);
    }
    chosen_ = *step;
    return step->size;
}

int PreferredStepTicker::getSubTickCount(double tickStep) {
    return chosen_ ? chosen_->subTicks : QCPAxisTicker::getSubTickCount(tickStep);
}

// The chart's look

void setUpChart(QCustomPlot& chart, ChartQuantity quantity, const QString& seriesName) {
    const bool gain = quantity == ChartQuantity::Gain;
    chart.setBackground(Qt::white);
    chart.legend->setVisible(false);
    chart.plotLayout()->setMargins(QMargins(percentOf(chart.width(), kMarginLeftPercent),
                                            percentOf(chart.height(), kMarginTopPercent),
                                            percentOf(chart.width(), kMarginRightPercent),
                                            percentOf(chart.height(), kMarginBottomPercent)));

    QFont titleFont = chart.font();
    auto* titleElement = new QCPTextElement(&chart, gain ? "<Gain>" : "<Phase>", titleFont);
    titleElement->setTextColor(Qt::black);
    titleElement->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
    titleElement->setMargins(QMargins(2, 0, 0, 0));
    chart.plotLayout()->insertRow(0);
    chart.plotLayout()->addElement(0, 0, titleElement);

    QFont labelFont = chart.font();
    labelFont.setPixelSize(kAxisLabelPixels);
    for (QCPAxis* axis : {chart.xAxis, chart.yAxis}) {
        axis->setTickLabelFont(labelFont);
        axis->grid()->setPen(QPen(kGridColour, 0, Qt::SolidLine));
        axis->grid()->setSubGridPen(QPen(kSubGridColour, 0, Qt::SolidLine));
        axis->grid()->setZeroLinePen(QPen(kZeroLineColour, 0, Qt::SolidLine));
        axis->grid()->setSubGridVisible(true);
    }
    chart.xAxis->setScaleType(QCPAxis::stLogarithmic);
    chart.xAxis->setTicker(QSharedPointer<FrequencyTicker>::create());
    chart.xAxis->setRange(1.0, 1000.0);
    chart.yAxis->setTicker(PreferredStepTicker::forQuantity(quantity));
    chart.axisRect()->setBackground(Qt::white);

    QCPGraph* graph = chart.addGraph();
    graph->setName(seriesName);
    graph->setLineStyle(QCPGraph::lsNone);
    graph->setSelectable(QCP::stNone);
    graph->removeFromLegend();
    const QColor colour = gain ? QColor(Qt::red) : graph->pen().color();
    graph->setPen(QPen(colour));
    graph->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(colour), QBrush(colour), kPointSize));
    chart.setNotAntialiasedElements(QCP::aeScatters);

    new ChartInteraction(chart, quantity);
}

void autoScale(QCustomPlot& chart) {
    if (chart.graphCount() == 0 || chart.graph(0)->data()->isEmpty()) {
        return;
    }
    QCPGraph* graph = chart.graph(0);
    graph->rescaleAxes();
    // Widened about the geometric centre: about the arithmetic one, the room
    // on a logarithmic axis all goes to the low end and the last points are cut.
    const QCPRange keys = graph->keyAxis()->range();
    graph->keyAxis()->scaleRange(kKeyRangeWidening, std::sqrt(keys.lower * keys.upper));
    graph->valueAxis()->scaleRange(kValueRangeWidening);
}

void linkFrequencyAxes(QCustomPlot& first, QCustomPlot& second) {
    // Handing a range over makes the other axis announce it in turn; the flag
    // stops that echo before it comes back.
    auto handingOver = std::make_shared<bool>(false);
    const auto follow = [handingOver](QCustomPlot& follower) {
        return [handingOver, &follower](const QCPRange& range) {
            if (*handingOver || follower.xAxis->range() == range) {
                return;
            }
            *handingOver = true;
            follower.xAxis->setRange(range);
            *handingOver = false;
            follower.replot(QCustomPlot::rpQueuedReplot);
        };
    };
    const auto rangeChanged = QOverload<const QCPRange&>::of(&QCPAxis::rangeChanged);
    QObject::connect(first.xAxis, rangeChanged, &second, follow(second));
    QObject::connect(second.xAxis, rangeChanged, &first, follow(first));
}

// What the user does with a chart

ChartInteraction::ChartInteraction(QCustomPlot& chart, ChartQuantity quantity)
    : QObject(&chart), chart_(chart), quantity_(quantity) {
    // The readout has a buffer of its own, so that following the mouse redraws
    // one label instead of ten thousand points.
    chart.addLayer(kReadoutLayer, chart.layer("legend"), QCustomPlot::limAbove);
    layer_ = chart.layer(kReadoutLayer);
    layer_->setMode(QCPLayer::lmBuffered);

    tracer_ = new QCPItemTracer(&chart);
    tracer_->setLayer(layer_);
    tracer_->setStyle(QCPItemTracer::tsCircle);
    tracer_->setSize(7);
    tracer_->setPen(QPen(Qt::black, 1));
    tracer_->setBrush(Qt::NoBrush);
    tracer_->setVisible(false);

    label_ = new QCPItemText(&chart);
    label_->setLayer(layer_);
    label_->position->setType(QCPItemPosition::ptAxisRectRatio);
    label_->position->setCoords(0.985, 0.03);
    label_->setPositionAlignment(Qt::AlignRight | Qt::AlignTop);
    label_->setFont(chart.font());
    label_->setColor(Qt::black);
    label_->setPadding(QMargins(3, 1, 3, 1));
    label_->setPen(QPen(QColor(160, 160, 160)));
    label_->setBrush(QColor(255, 255, 255, 230));
    label_->setVisible(false);

    chart.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    chart.axisRect()->setRangeDrag(Qt::Horizontal);
    chart.axisRect()->setRangeZoom(Qt::Horizontal);

    connect(&chart, &QCustomPlot::mouseMove, this, [this](QMouseEvent* event) {
        lastPosition_ = event->position();
        hovering_ = true;
        placeReadout();
        layer_->replot();
    });
    connect(&chart, &QCustomPlot::mouseDoubleClick, this, [this] { resetRange(); });
    // A zoom under a still mouse changes which point lies under it.
    connect(chart.xAxis, QOverload<const QCPRange&>::of(&QCPAxis::rangeChanged), this,
            [this] { refreshReadout(); });
    chart.installEventFilter(this);

    chart.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&chart, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QMenu* menu = createContextMenu(&chart_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(chart_.mapToGlobal(position));
    });
}

ChartInteraction* ChartInteraction::of(const QCustomPlot& chart) {
    return chart.findChild<ChartInteraction*>(QString(), Qt::FindDirectChildrenOnly);
}

bool ChartInteraction::readoutShown() const {
    return label_->visible();
}

QString ChartInteraction::readoutText() const {
    return label_->text();
}

void ChartInteraction::refreshReadout() {
    if (hovering_) {
        placeReadout();
    }
}

void ChartInteraction::placeReadout() {
    const QRect area = chart_.axisRect()->rect();
    std::optional<QCPGraphData> point;
    if (chart_.graphCount() > 0 && area.contains(lastPosition_.toPoint())) {
        point = nearestInFrequency(*chart_.graph(0), lastPosition_.x());
    }
    // Zoomed or panned away from every point, there is nothing to read.
    if (point) {
        const double pixelX = chart_.xAxis->coordToPixel(point->key);
        if (pixelX < area.left() - 0.5 || pixelX > area.right() + 0.5) {
            point.reset();
        }
    }
    if (point) {
        tracer_->position->setCoords(point->key, point->value);
        label_->setText(
            tessaron::readoutText(quantity_, point->key, point->value, chart_.locale()));
    }
    tracer_->setVisible(point.has_value());
    label_->setVisible(point.has_value());
}

void ChartInteraction::hideReadout() {
    hovering_ = false;
    if (readoutShown()) {
        tracer_->setVisible(false);
        label_->setVisible(false);
        layer_->replot();
    }
}

void ChartInteraction::resetRange() {
    autoScale(chart_);
    chart_.replot();
}

QPixmap ChartInteraction::picture() {
    const ReadoutHidden hidden(chart_);
    return chart_.toPixmap(0, 0, chart_.devicePixelRatioF());
}

void ChartInteraction::copyPicture() {
    QGuiApplication::clipboard()->setPixmap(picture());
}

QMenu* ChartInteraction::createContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->addAction(tr("Copy Chart"), this, &ChartInteraction::copyPicture);
    menu->addAction(tr("Reset Zoom"), this, &ChartInteraction::resetRange);
    for (const auto& items : menuItems_) {
        items(*menu);
    }
    return menu;
}

void ChartInteraction::addMenuItems(std::function<void(QMenu&)> items) {
    menuItems_.push_back(std::move(items));
}

ReadoutHidden::ReadoutHidden(const QCustomPlot& chart)
    : layer_(chart.layer(kReadoutLayer)), wasVisible_(layer_ != nullptr && layer_->visible()) {
    if (layer_ != nullptr) {
        layer_->setVisible(false);
    }
}

ReadoutHidden::~ReadoutHidden() {
    if (layer_ != nullptr) {
        layer_->setVisible(wasVisible_);
    }
}

bool ChartInteraction::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Leave:
            hideReadout();
            break;
        case QEvent::Show:
        case QEvent::ScreenChangeInternal:
            // The chart draws into buffers of its own; on a screen of another
            // pixel density they must follow, or the chart comes out blurred.
            if (chart_.bufferDevicePixelRatio() != chart_.devicePixelRatioF()) {
                chart_.setBufferDevicePixelRatio(chart_.devicePixelRatioF());
                chart_.replot(QCustomPlot::rpQueuedReplot);
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

// The series a design run fills

ChartSeries::ChartSeries(QCustomPlot& chart) : chart_(chart), graph_(chart.graph(0)) {}

void ChartSeries::doClear() {
    graph_->data()->clear();
    points_.clear();
    stale_ = true;
}

void ChartSeries::doSetPoints(std::vector<PlotPoint> points) {
    QVector<QCPGraphData> data;
    data.reserve(static_cast<qsizetype>(points.size()));
    for (const PlotPoint& point : points) {
        if (point.x > 0.0) {
            data.append(QCPGraphData(point.x, point.y));
        }
    }
    const auto byFrequency = [](const QCPGraphData& a, const QCPGraphData& b) {
        return a.key < b.key;
    };
    if (!std::is_sorted(data.cbegin(), data.cend(), byFrequency)) {
        std::stable_sort(data.begin(), data.end(), byFrequency);
    }
    graph_->data()->set(data, true);
    points_ = std::move(points);
    redraw();
}

void ChartSeries::flush() {
    if (stale_) {
        redraw();
    }
}

void ChartSeries::redraw() {
    autoScale(chart_);
    if (ChartInteraction* interaction = ChartInteraction::of(chart_)) {
        // A readout left up over the old points would read them still.
        interaction->refreshReadout();
    }
    chart_.replot();
    stale_ = false;
}

}  // namespace tessaron
