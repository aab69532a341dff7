#include "ui/form_main.h"

#include <qcustomplot.h>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <exception>

#include "engine/design_run.h"
#include "engine/request_reader.h"
#include "ui/error_text.h"
#include "ui/resources.h"
#include "ui_form_main.h"

namespace tessaron {

namespace {

constexpr int kTabIndex(TopologyKind topology) {
    return static_cast<int>(topology);
}

template <typename Widget>
Widget* child(const QWidget& parent, const QString& name) {
    auto* widget = parent.findChild<Widget*>(name);
    Q_ASSERT_X(widget != nullptr, "TFormMain", qPrintable(name));
    return widget;
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormMain>()) {
    initResources();
    ui_->setupUi(this);

    tabs_[kTabIndex(kindOf<MultipleFeedback>)].topology = kindOf<MultipleFeedback>;
    tabs_[kTabIndex(kindOf<SallenKey>)].topology = kindOf<SallenKey>;
    tabs_[kTabIndex(kindOf<Passive>)].topology = kindOf<Passive>;
    setUpTab(tab(kindOf<MultipleFeedback>), 1, 1, 1, "Series1", "Series2");
    setUpTab(tab(kindOf<SallenKey>), 10, 9, 3, "PointSeries1", "PointSeries2");
    setUpTab(tab(kindOf<Passive>), 19, 17, 5, "PointSeries3", "PointSeries4");
    setUpSaving();

    // The numeric component comes last, as the form's non-visual component:
    // it loads its control word once every control exists.
    MathLib1 = new TMathLib(&components_);
    components_.FinishLoadingOwned();

    decimalSeparatorSource_ = [] { return QLocale::system().decimalPoint(); };
    readDecimalSeparator();

    FormCreate();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TFormMain::~TFormMain() = default;

void TFormMain::setUpTab(Tab& t, int firstEdit, int firstRadio, int gainChart,
                         const QString& gainName, const QString& phaseName) {
    const auto name = [](const char* kind, int number) {
        return QString::fromLatin1(kind) + QString::number(number);
    };
    t.fc = child<QLineEdit>(*this, name("Edit", firstEdit));
    for (int stage = 0; stage < kMaxStages; ++stage) {
        t.first[static_cast<std::size_t>(stage)] =
            child<QLineEdit>(*this, name("Edit", firstEdit + 1 + 2 * stage));
        t.second[static_cast<std::size_t>(stage)] =
            child<QLineEdit>(*this, name("Edit", firstEdit + 2 + 2 * stage));
    }
    int radio = firstRadio;
    for (QRadioButton*& button : t.family) {
        button = child<QRadioButton>(*this, name("RadioButton", radio++));
    }
    for (QRadioButton*& button : t.order) {
        button = child<QRadioButton>(*this, name("RadioButton", radio++));
    }
    for (QRadioButton*& button : t.method) {
        button = child<QRadioButton>(*this, name("RadioButton", radio++));
    }
    const int memo = kTabIndex(t.topology) + 1;
    t.memo = child<QPlainTextEdit>(*this, name("Memo", memo));
    t.report = std::make_unique<MemoReport>(*t.memo);

    t.gainChart = child<QCustomPlot>(*this, name("Chart", gainChart));
    t.phaseChart = child<QCustomPlot>(*this, name("Chart", gainChart + 1));
    setUpChart(*t.gainChart, ChartQuantity::Gain, gainName);
    setUpChart(*t.phaseChart, ChartQuantity::Phase, phaseName);
    linkFrequencyAxes(*t.gainChart, *t.phaseChart);
    t.gain = std::make_unique<ChartSeries>(*t.gainChart);
    t.phase = std::make_unique<ChartSeries>(*t.phaseChart);
}

void TFormMain::FormCreate() {
    request_.Zero();
    tables_.Fill();
}

TFormMain::Tab& TFormMain::tab(TopologyKind topology) {
    return tabs_[static_cast<std::size_t>(kTabIndex(topology))];
}

const TFormMain::Tab& TFormMain::tab(TopologyKind topology) const {
    return tabs_[static_cast<std::size_t>(kTabIndex(topology))];
}

const ChartSeries& TFormMain::gainSeries(TopologyKind topology) const {
    return *tab(topology).gain;
}

const ChartSeries& TFormMain::phaseSeries(TopologyKind topology) const {
    return *tab(topology).phase;
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
void TFormMain::handled(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        // Arithmetic faults and the numeric component's errors (EMathError) above all.
        dialogs_->showError(errorBoxText(error.what()));
    } catch (...) {
        // Nothing of ours throws anything else; still, the event loop must never
        // see an exception.
        dialogs_->showError(errorBoxText("Unknown error"));
    }
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
    const DesignEngine engine{*MathLib1, tables_, request_, decimalSeparator_};
    const DesignTab designTab{topology, [this, topology] { getValues(topology); }, *t.report,
                              *t.gain, *t.phase};
    // A run that stops after clearing its series must not leave their old
    // pictures on the charts.
    struct Flush {
        TFormMain& window;
        Tab& t;
        ~Flush() {
            t.gain->flush();
            t.phase->flush();
            window.updateSaveActions();
        }
    } flush{*this, t};
    runDesign(engine, designTab, method, family, order);
    t.lastDesign = DesignSummary{topology, family, order, request_.Fc};
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

    using Routine = void (TFormMain::*)(FilterFamily, int);
    static constexpr std::array<std::array<Routine, 2>, 3> kRoutines{{
        {&TFormMain::MethodMF1, &TFormMain::MethodMF2},
        {&TFormMain::MethodSK1, &TFormMain::MethodSK2},
        {&TFormMain::MethodPS1, &TFormMain::MethodPS2},
    }};
    const Routine routine = kRoutines[static_cast<std::size_t>(kTabIndex(topology))]
                                     [static_cast<std::size_t>(method - 1)];
    (this->*routine)(family, order);
}

void TFormMain::BitBtn1Click() {
    handled([this] { allClear(kindOf<MultipleFeedback>); });
}
void TFormMain::BitBtn2Click() {
    handled([this] { calc(kindOf<MultipleFeedback>); });
}
void TFormMain::BitBtn3Click() {
    handled([this] { allClear(kindOf<SallenKey>); });
}
void TFormMain::BitBtn4Click() {
    handled([this] { calc(kindOf<SallenKey>); });
}
void TFormMain::BitBtn5Click() {
    handled([this] { allClear(kindOf<Passive>); });
}
void TFormMain::BitBtn6Click() {
    handled([this] { calc(kindOf<Passive>); });
}

}  // namespace tessaron
