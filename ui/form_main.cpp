#include "ui/form_main.h"

#include <qcustomplot.h>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <exception>
#include <stdexcept>

#include "engine/design_run.h"
#include "engine/request_reader.h"
#include "ui/build_window.h"
#include "ui/chart_style.h"
#include "ui/error_text.h"
#include "ui/form_tabs.h"
#include "ui/resources.h"
#include "ui/response_window.h"
#include "ui_form_main.h"

namespace tessaron {

namespace {

template <typename Widget>
Widget* child(const QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QLatin1String(name));
    Q_ASSERT_X(widget != nullptr, "TFormMain", name);
    return widget;
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormMain>()) {
    initResources();
    ui_->setupUi(this);

    for (const FormTab& names : kFormTabs) {
        setUpTab(tab(names.topology), names);
    }
    setUpSaving();

    // The numeric component comes last, as the form's non-visual component:
    // it loads its control word once every control exists.
    MathLib1 = new TMathLib(&components_);
    components_.FinishLoadingOwned();

    decimalSeparatorSource_ = [] { return QLocale::system().decimalPoint(); };
    readDecimalSeparator();

    FormCreate();

    // Companion windows act on the tab in front.
    auto* build = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    build->setContext(Qt::WindowShortcut);
    connect(build, &QShortcut::activated, this, [this] { showBuildWindow(currentTopology()); });
    auto* response = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    response->setContext(Qt::WindowShortcut);
    connect(response, &QShortcut::activated, this,
            [this] { showResponseWindow(currentTopology()); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TFormMain::~TFormMain() {
    // A Build window takes its series off the charts as it goes, so it goes
    // before them; a Response window reads the tables, so it goes before them.
    for (Tab& t : tabs_) {
        delete t.build;
        t.build = nullptr;
        delete t.response;
        t.response = nullptr;
    }
}

void TFormMain::setUpTab(Tab& t, const FormTab& names) {
    t.names = &names;
    t.page = child<QWidget>(*this, names.page);
    t.fc = child<QLineEdit>(*this, names.fc);
    for (std::size_t stage = 0; stage < kMaxStages; ++stage) {
        t.first[stage] = child<QLineEdit>(*this, names.first[stage]);
        t.second[stage] = child<QLineEdit>(*this, names.second[stage]);
    }
    for (std::size_t i = 0; i < t.family.size(); ++i) {
        t.family[i] = child<QRadioButton>(*this, names.families[i]);
    }
    for (std::size_t i = 0; i < t.order.size(); ++i) {
        t.order[i] = child<QRadioButton>(*this, names.orders[i]);
    }
    for (std::size_t i = 0; i < t.method.size(); ++i) {
        t.method[i] = child<QRadioButton>(*this, names.methods[i]);
    }
    t.memo = child<QPlainTextEdit>(*this, names.memo);
    setUpReportContextMenu(*t.memo);
    t.report = std::make_unique<MemoReport>(*t.memo);

    t.gainChart = child<QCustomPlot>(*this, names.gain.chart);
    t.phaseChart = child<QCustomPlot>(*this, names.phase.chart);
    setUpChart(*t.gainChart, ChartQuantity::Gain, names.gain.series);
    setUpChart(*t.phaseChart, ChartQuantity::Phase, names.phase.series);
    linkKeyAxes(*t.gainChart, *t.phaseChart);
    t.gain = std::make_unique<ChartSeries>(*t.gainChart, names.gain.series);
    t.phase = std::make_unique<ChartSeries>(*t.phaseChart, names.phase.series);
}

void TFormMain::FormCreate() {
    request_.Zero();
    tables_.Fill();
}

TFormMain::Tab& TFormMain::tab(TopologyKind topology) {
    return tabs_.at(static_cast<std::size_t>(topology));
}

const TFormMain::Tab& TFormMain::tab(TopologyKind topology) const {
    return tabs_.at(static_cast<std::size_t>(topology));
}

const ChartSeries& TFormMain::gainSeries(TopologyKind topology) const {
    return *tab(topology).gain;
}

const ChartSeries& TFormMain::phaseSeries(TopologyKind topology) const {
    return *tab(topology).phase;
}

const TabDesign* TFormMain::lastDesign(TopologyKind topology) const {
    const std::optional<TabDesign>& design = tab(topology).lastDesign;
    return design ? &*design : nullptr;
}

BuildWindow& TFormMain::showBuildWindow(TopologyKind topology) {
    Tab& t = tab(topology);
    if (t.build == nullptr) {
        t.build = new BuildWindow(*this, topology, tabCaption(t), *t.gainChart, *t.phaseChart);
    }
    t.build->show();
    t.build->raise();
    t.build->activateWindow();
    return *t.build;
}

ResponseWindow& TFormMain::showResponseWindow(TopologyKind topology) {
    Tab& t = tab(topology);
    if (t.response == nullptr) {
        t.response = new ResponseWindow(
            tables_, tabCaption(t), [this, topology] { return lastDesign(topology); }, this);
        // The delay is drawn over the tab's own frequencies: zooming either
        // shows the same band of frequencies in both.
        linkKeyAxes(*t.gainChart, t.response->delayChart());
        // It follows its tab's "Calc"s while it is shown, and catches up when
        // it is shown again.
        connect(this, &TFormMain::designFinished, t.response,
                [this, response = t.response, topology](TopologyKind finished) {
                    if (finished == topology && response->isVisible()) {
                        handled([response] { response->refresh(); });
                    }
                });
    }
    handled([&t] { t.response->refresh(); });
    t.response->show();
    t.response->raise();
    t.response->activateWindow();
    return *t.response;
}

void TFormMain::addCompanionItems(QMenu& menu, TopologyKind topology) {
    menu.addSeparator();
    menu.addAction(tr("Standard Values and Tolerances…"), this,
                   [this, topology] { showBuildWindow(topology); });
    menu.addAction(tr("Delay and Step Response…"), this,
                   [this, topology] { showResponseWindow(topology); });
}

BuildWindow* TFormMain::buildWindow(TopologyKind topology) const {
    return tab(topology).build;
}

ResponseWindow* TFormMain::responseWindow(TopologyKind topology) const {
    return tab(topology).response;
}

QString TFormMain::tabCaption(const Tab& t) const {
    return ui_->PageControl1->tabText(ui_->PageControl1->indexOf(t.page));
}

TopologyKind TFormMain::currentTopology() const {
    for (const Tab& t : tabs_) {
        if (t.page == ui_->PageControl1->currentWidget()) {
            return t.names->topology;
        }
    }
    throw std::logic_error("No topology tab in front");
}

void TFormMain::setDecimalSeparatorSource(std::function<QString()> source) {
    decimalSeparatorSource_ = std::move(source);
    readDecimalSeparator();
}

void TFormMain::readDecimalSeparator() {
    decimalSeparator_ = decimalSeparatorSource_().toStdString();
}

void TFormMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        handled([this] { readDecimalSeparator(); });
    }
    QWidget::changeEvent(event);
}

template <typename Handler>
std::optional<QString> TFormMain::handled(Handler&& handler) {
    QString text;
    try {
        handler();
        return std::nullopt;
    } catch (const std::exception& error) {
        // Arithmetic faults and the numeric component's errors (EMathError) above all.
        text = errorBoxText(error.what());
    } catch (...) {
        // Nothing of ours throws anything else; still, the event loop must never
        // see an exception.
        text = errorBoxText("Unknown error");
    }
    dialogs_->showError(text);
    return text;
}

void TFormMain::runHandled(const std::function<void()>& handler) {
    handled(handler);
}

void TFormMain::ConversionMessages::doShowMessage(std::string_view text) {
    window_.dialogs_->showMessage(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// Input readers

void TFormMain::getValues(TopologyKind topology) {
    const Tab& t = tab(topology);
    FieldTexts fields;
    fields.fc = t.fc->text().toStdString();
    for (std::size_t stage = 0; stage < kMaxStages; ++stage) {
        fields.first[stage] = t.first[stage]->text().toStdString();
        fields.second[stage] = t.second[stage]->text().toStdString();
    }
    // A copy: a conversion message runs an event loop, where a locale change
    // would replace the member under the reader's feet half-way through.
    const std::string separator = decimalSeparator_;
    readRequest(stageFieldsOf(topology), fields, separator, request_, conversionMessages_);
}

void TFormMain::GetValuesMF() {
    getValues(kindOf<MultipleFeedback>);
}
void TFormMain::GetValuesSK() {
    getValues(kindOf<SallenKey>);
}
void TFormMain::GetValuesPS() {
    getValues(kindOf<Passive>);
}

// Design routines

void TFormMain::runMethod(TopologyKind topology, int method, FilterFamily family, int order) {
    Tab& t = tab(topology);
    TabDesign& design = t.lastDesign.emplace(
        TabDesign{topology, method, static_cast<FilterFamily>(family), order, {}, {}, {}});
    const DesignEngine engine{*MathLib1, tables_, request_, decimalSeparator_};
    // The run reads the fields through the tab's own reader, GetValuesMF and
    // its like.
    const DesignTab designTab{topology,
                              [this, reader = t.names->reader] { (this->*reader)(); },
                              *t.report,
                              {*t.gain, *t.phase},
                              [&design](const DesignParts& parts) { design.parts = parts; }};
    // A run that stops after clearing its series must not leave their old
    // pictures on the charts; whatever the reader made of the fields belongs
    // to the run, stopped or not; and a completed run names the tab's files.
    struct Finish {
        TFormMain& window;
        Tab& t;
        TabDesign& design;
        const DesignRequest& request;
        ~Finish() {
            t.gain->flush();
            t.phase->flush();
            design.request = request;
            if (design.parts) {
                t.lastCompleted = designSummary(design);
            }
            window.updateSaveActions();
        }
    } finish{*this, t, design, request_};
    runDesign(engine, designTab, method, family, order);
}

void TFormMain::MethodMF1(FilterFamily family, int order) {
    runMethod(kindOf<MultipleFeedback>, 1, family, order);
}
void TFormMain::MethodMF2(FilterFamily family, int order) {
    runMethod(kindOf<MultipleFeedback>, 2, family, order);
}
void TFormMain::MethodSK1(FilterFamily family, int order) {
    runMethod(kindOf<SallenKey>, 1, family, order);
}
void TFormMain::MethodSK2(FilterFamily family, int order) {
    runMethod(kindOf<SallenKey>, 2, family, order);
}
void TFormMain::MethodPS1(FilterFamily family, int order) {
    runMethod(kindOf<Passive>, 1, family, order);
}
void TFormMain::MethodPS2(FilterFamily family, int order) {
    runMethod(kindOf<Passive>, 2, family, order);
}

// Button actions

void TFormMain::allClear(TopologyKind topology) {
    const Tab& t = tab(topology);
    t.fc->setText("0");
    for (std::size_t stage = 0; stage < kMaxStages; ++stage) {
        t.first[stage]->setText("0");
        t.second[stage]->setText("0");
    }
}

void TFormMain::calc(TopologyKind topology) {
    const Tab& t = tab(topology);
    FilterFamily family = Butterworth;
    int order = 2;
    int method = 1;
    constexpr std::array kFamilies{Butterworth, Bessel, Chebyshev};
    constexpr std::array kOrders{2, 4, 8};
    for (std::size_t i = 0; i < t.family.size(); ++i) {
        if (t.family[i]->isChecked()) {
            family = kFamilies[i];
        }
    }
    for (std::size_t i = 0; i < t.order.size(); ++i) {
        if (t.order[i]->isChecked()) {
            order = kOrders[i];
        }
    }
    if (t.method[1]->isChecked()) {
        method = 2;
    }

    const auto routine = t.names->routines[static_cast<std::size_t>(method - 1)];
    (this->*routine)(family, order);
}

void TFormMain::calcClicked(TopologyKind topology) {
    if (const std::optional<QString> stop = handled([&] { calc(topology); })) {
        if (tab(topology).lastDesign) {
            tab(topology).lastDesign->stopReason = *stop;
        }
    }
    Q_EMIT designFinished(topology);
}

void TFormMain::BitBtn1Click() {
    handled([this] { allClear(kindOf<MultipleFeedback>); });
}
void TFormMain::BitBtn2Click() {
    calcClicked(kindOf<MultipleFeedback>);
}
void TFormMain::BitBtn3Click() {
    handled([this] { allClear(kindOf<SallenKey>); });
}
void TFormMain::BitBtn4Click() {
    calcClicked(kindOf<SallenKey>);
}
void TFormMain::BitBtn5Click() {
    handled([this] { allClear(kindOf<Passive>); });
}
void TFormMain::BitBtn6Click() {
    calcClicked(kindOf<Passive>);
}

}  // namespace tessaron
