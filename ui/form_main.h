#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/coefficient_tables.h"
#include "engine/design_request.h"
#include "engine/message_sink.h"
#include "engine/topologies.h"
#include "mathlib/component.h"
#include "mathlib/math_lib.h"
#include "studies/design_file_name.h"
#include "ui/chart_series.h"
#include "ui/dialogs.h"
#include "ui/memo_report.h"
#include "ui/result_saver.h"
#include "ui/tab_design.h"

class QAction;
class QMenu;
class QCustomPlot;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace Ui {
class TFormMain;
}

namespace tessaron {

class BuildWindow;
class ResponseWindow;
struct DesignEngine;
struct DesignTab;
struct FormTab;

// The main window: three topology tabs, each with its radio groups, fields,
// "AC" and "Calc" buttons, report memo and two charts. Owns the numeric
// component, the coefficient tables and the one design request of all tabs.
class TFormMain : public QWidget {
    Q_OBJECT

  public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Owned through the window's component root; destroyed with the window.
    TMathLib* MathLib1 = nullptr;

    // Replaces the boxes the window shows (the window keeps using `dialogs`
    // until it is replaced again; the caller keeps it alive).
    void setDialogs(UserDialogs& dialogs) { dialogs_ = &dialogs; }
    // Where the locale's decimal separator comes from; read now and again on
    // every locale change.
    void setDecimalSeparatorSource(std::function<QString()> source);
    const std::string& decimalSeparator() const { return decimalSeparator_; }

    const DesignRequest& request() const { return request_; }
    const ChartSeries& gainSeries(TopologyKind topology) const;
    const ChartSeries& phaseSeries(TopologyKind topology) const;
    // The tab's last "Calc", completed or stopped; null before its first.
    const TabDesign* lastDesign(TopologyKind topology) const;

    // The tab's "Build" window, made on first use, shown and raised.
    BuildWindow& showBuildWindow(TopologyKind topology);
    // Null until it is first shown.
    BuildWindow* buildWindow(TopologyKind topology) const;
    // The tab's "Response" window, made on first use, shown and raised.
    ResponseWindow& showResponseWindow(TopologyKind topology);
    // Null until it is first shown.
    ResponseWindow* responseWindow(TopologyKind topology) const;
    // The topology of the tab in front.
    TopologyKind currentTopology() const;

    void FormCreate();

    void GetValuesMF();
    void GetValuesSK();
    void GetValuesPS();

    void MethodMF1(FilterFamily family, int order);
    void MethodMF2(FilterFamily family, int order);
    void MethodSK1(FilterFamily family, int order);
    void MethodSK2(FilterFamily family, int order);
    void MethodPS1(FilterFamily family, int order);
    void MethodPS2(FilterFamily family, int order);

  public Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();

    // Ctrl+S and Ctrl+Shift+E: the report and the curves of the tab in front.
    void saveReport();
    void exportCurves();

  Q_SIGNALS:
    // At the end of every "Calc" of the tab, after its error box if it stopped.
    void designFinished(tessaron::TopologyKind topology);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // What the window knows of one tab.
    struct Tab {
        const FormTab* names = nullptr;
        QWidget* page = nullptr;  // the tab's page of the notebook
        QLineEdit* fc = nullptr;
        std::array<QLineEdit*, kMaxStages> first{};
        std::array<QLineEdit*, kMaxStages> second{};
        std::array<QRadioButton*, 3> family{};
        std::array<QRadioButton*, 3> order{};
        std::array<QRadioButton*, 2> method{};
        std::unique_ptr<MemoReport> report;
        std::unique_ptr<ChartSeries> gain;
        std::unique_ptr<ChartSeries> phase;
        QPlainTextEdit* memo = nullptr;
        QCustomPlot* gainChart = nullptr;
        QCustomPlot* phaseChart = nullptr;
        // The last "Calc", completed or stopped.
        std::optional<TabDesign> lastDesign;
        // The last completed one, which names the tab's files.
        std::optional<DesignSummary> lastCompleted;
        BuildWindow* build = nullptr;        // a child of the window
        ResponseWindow* response = nullptr;  // a child of the window
    };

    // Conversion messages of the readers, shown as plain boxes.
    class ConversionMessages : public MessageSink {
      public:
        explicit ConversionMessages(TFormMain& window) : window_(window) {}

      private:
        void doShowMessage(std::string_view text) override;
        TFormMain& window_;
    };

    // The application's top-level handler: every handler of the window runs in
    // here, so no exception reaches the event loop; its message goes to an
    // error box and the window carries on.
    // Returns the error box's text if the handler failed.
    template <typename Handler>
    std::optional<QString> handled(Handler&& handler);
    // The same for handlers defined in other files of the window.
    void runHandled(const std::function<void()>& handler);

    Tab& tab(TopologyKind topology);
    const Tab& tab(TopologyKind topology) const;
    void setUpTab(Tab& tab, const FormTab& names);
    // The text on the tab, as the companion windows' captions name it.
    QString tabCaption(const Tab& tab) const;
    void readDecimalSeparator();
    void getValues(TopologyKind topology);
    void runMethod(TopologyKind topology, int method, FilterFamily family, int order);
    void allClear(TopologyKind topology);
    void calc(TopologyKind topology);
    void calcClicked(TopologyKind topology);

    // Saving and exporting (form_main_saving.cpp).
    void setUpSaving();
    void addSaveItems(Tab& tab);
    // The companion windows' items of a tab's report and chart menus.
    void addCompanionItems(QMenu& menu, TopologyKind topology);
    void updateSaveActions();
    Tab& tabInFront();
    QString fileStem(const Tab& tab, const char* part = nullptr) const;

    std::unique_ptr<Ui::TFormMain> ui_;
    TComponent components_{nullptr};
    CoefficientTables tables_;
    DesignRequest request_;
    std::array<Tab, Topologies::size> tabs_;
    MessageBoxDialogs messageBoxes_{this};
    UserDialogs* dialogs_ = &messageBoxes_;
    ConversionMessages conversionMessages_{*this};
    std::function<QString()> decimalSeparatorSource_;
    std::string decimalSeparator_ = ".";
    ResultSaver saver_;
    QAction* saveReportAction_ = nullptr;
    QAction* exportCurvesAction_ = nullptr;
};

}  // namespace tessaron

// The form names the class without its namespace.
using tessaron::TFormMain;
