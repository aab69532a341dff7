// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/form_main.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <stdexcept>

#include "engine/design_run.h"
#include "engine/request_reader.h"
#include "ui/charts/chart_style.h"
#include "ui/charts/utf8_text.h"
#include "ui/main_window/companion_windows.h"
#include "ui/main_window/form_tabs.h"
#include "ui/main_window/top_level_handler.h"
#include "ui/resources/resources.h"
#include "ui_form_main.h"

namespace tessaron {

TFormMain::TFormMain(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormMain>()) {
    initResources();
    ui_->setupUi(this);

    companions_ = std::make_unique<CompanionWindows>(
        *this, feed_, tables_, [this](const std::function<void()>& handler) { handled(handler); },
        [this] { return currentTopology(); }, saver_,
        [this]() -> UserDialogs& { return *dialogs_; });
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

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TFormMain::~TFormMain() = default;

void TFormMain::setUpTab(Tab& t, const FormTab& names) {
    t.controls = findTabControls(*this, names);
    const TabControls& c = t.controls;
    setUpReportContextMenu(*c.memo);
    t.report = std::make_unique<MemoReport>(*c.memo);
    setUpChart(*c.gainChart, ChartQuantity::Gain, names.gain.series);
    setUpChart(*c.phaseChart, ChartQuantity::Phase, names.phase.series);
    linkKeyAxes(*c.gainChart, *c.phaseChart);
    t.gain = std::make_unique<ChartSeries>(*c.gainChart, names.gain.series);
    t.phase = std::make_unique<ChartSeries>(*c.phaseChart, names.phase.series);
    const QString caption = ui_->PageControl1->tabText(ui_->PageControl1->indexOf(c.page));
    companions_->setTab(names.topology,
                        {caption, c.gainChart, c.phaseChart, c.family, c.order, c.fc, c.calc});
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

TopologyKind TFormMain::currentTopology() const {
    for (const Tab& t : tabs_) {
        if (t.controls.page == ui_->PageControl1->currentWidget()) {
            return t.controls.names->topology;
        }
    }
    throw std::logic_error("No topology tab in front");
}

void TFormMain::setDecimalSeparatorSource(std::function<QString()> source) {
    decimalSeparatorSource_ = std::move(source);
    readDecimalSeparator();
}

void TFormMain::readDecimalSeparator() {
    feed_.setDecimalSeparator(decimalSeparatorSource_().toStdString());
}

void TFormMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        handled([this] { readDecimalSeparator(); });
    }
    QWidget::changeEvent(event);
}

std::optional<QString> TFormMain::handled(const std::function<void()>& handler) {
    return runHandled(*dialogs_, handler);
}

void TFormMain::ConversionMessages::doShowMessage(std::string_view text) {
    window_.dialogs_->showMessage(qText(text));
}

// Input readers

void TFormMain::getValues(TopologyKind topology) {
    // A copy: a conversion message runs an event loop, where a locale change
    // would replace the separator under the reader's feet half-way through.
    const std::string separator = decimalSeparator();
    readRequest(stageFieldsOf(topology), fieldTexts(tab(topology).controls), separator, request_,
                conversionMessages_);
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
    TabDesign& design = feed_.start(TabDesign{topology, method, family, order, {}, {}, {}});
    const DesignEngine engine{*MathLib1, tables_, request_, decimalSeparator()};
    // The run reads the fields through the tab's own reader, GetValuesMF and
    // its like.
    const DesignTab designTab{topology,
                              [this, reader = t.controls.names->reader] { (this->*reader)(); },
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
            t.report->flush();
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

void TFormMain::calc(TopologyKind topology) {
    const Tab& t = tab(topology);
    const TabChoices choices = tabChoices(t.controls);
    const auto routine = t.controls.names->routines[static_cast<std::size_t>(choices.method - 1)];
    (this->*routine)(choices.family, choices.order);
}

void TFormMain::calcClicked(TopologyKind topology) {
    const std::optional<QString> stop = handled([&] { calc(topology); });
    feed_.finish(topology, stop);
}

void TFormMain::BitBtn1Click() {
    handled([this] { clearFields(tab(kindOf<MultipleFeedback>).controls); });
}
void TFormMain::BitBtn2Click() {
    calcClicked(kindOf<MultipleFeedback>);
}
void TFormMain::BitBtn3Click() {
    handled([this] { clearFields(tab(kindOf<SallenKey>).controls); });
}
void TFormMain::BitBtn4Click() {
    calcClicked(kindOf<SallenKey>);
}
void TFormMain::BitBtn5Click() {
    handled([this] { clearFields(tab(kindOf<Passive>).controls); });
}
void TFormMain::BitBtn6Click() {
    calcClicked(kindOf<Passive>);
}

}  // namespace tessaron
