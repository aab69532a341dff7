// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/coefficient_tables.h"
#include "engine/design_request.h"
#include "engine/message_sink.h"
#include "engine/topologies.h"
#include "mathlib/component.h"
#include "mathlib/math_lib.h"
#include "studies/design_file_name.h"
#include "ui/charts/chart_series.h"
#include "ui/files/dialogs.h"
#include "ui/files/result_saver.h"
#include "ui/main_window/memo_report.h"
#include "ui/main_window/tab_controls.h"
#include "ui/tab_feed/tab_feed.h"

class QAction;
class QMenu;

namespace Ui {
class TFormMain;
}

namespace tessaron {

class CompanionWindows;

// The main window: three topology tabs, each with its radio groups, fields,
// "AC" and "Calc" buttons, report memo and two charts. Owns the numeric
// component, the coefficient tables and the one design request of all tabs.
// The form's fixed names live here; what they do is delegated: the controls
// (tab_controls), the top-level handler, saving (form_main_saving.cpp) and the
// companion windows.
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
    const std::string& decimalSeparator() const { return feed_.decimalSeparator(); }

    const DesignRequest& request() const { return request_; }
    const ChartSeries& gainSeries(TopologyKind topology) const;
    const ChartSeries& phaseSeries(TopologyKind topology) const;
    // Each tab's last "Calc" and the signal at its end, as the companion
    // windows follow them.
    const TabFeed& feed() const { return feed_; }
    CompanionWindows& companions() const { return *companions_; }
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

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // What the window knows of one tab.
    struct Tab {
        TabControls controls;
        std::unique_ptr<MemoReport> report;
        std::unique_ptr<ChartSeries> gain;
        std::unique_ptr<ChartSeries> phase;
        // The last completed "Calc", which names the tab's files.
        std::optional<DesignSummary> lastCompleted;
    };

    // Conversion messages of the readers, shown as plain boxes.
    class ConversionMessages : public MessageSink {
      public:
        explicit ConversionMessages(TFormMain& window) : window_(window) {}

      private:
        void doShowMessage(std::string_view text) override;
        TFormMain& window_;
    };

    // Every handler runs under the top-level handler; returns the error box's
    // text if it failed.
    std::optional<QString> handled(const std::function<void()>& handler);

    Tab& tab(TopologyKind topology);
    const Tab& tab(TopologyKind topology) const;
    void setUpTab(Tab& tab, const FormTab& names);
    void readDecimalSeparator();
    void getValues(TopologyKind topology);
    void runMethod(TopologyKind topology, int method, FilterFamily family, int order);
    void calc(TopologyKind topology);
    void calcClicked(TopologyKind topology);

    // Saving and exporting (form_main_saving.cpp).
    void setUpSaving();
    void addMenuItems(Tab& tab);
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
    TabFeed feed_;
    ResultSaver saver_;
    QAction* saveReportAction_ = nullptr;
    QAction* exportCurvesAction_ = nullptr;
    // Last: its windows read the tables, the feed and the charts, so they go first.
    std::unique_ptr<CompanionWindows> companions_;
};

}  // namespace tessaron

// The form names the class without its namespace.
using tessaron::TFormMain;
