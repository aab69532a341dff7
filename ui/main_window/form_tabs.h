// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

#include "engine/coefficient_tables.h"
#include "engine/topologies.h"
#include "ui/main_window/form_main.h"

namespace tessaron {

// A chart of a tab and its series, by the form's names.
struct FormChart {
    const char* chart;
    const char* series;
};

// One topology tab of the form: its controls by the names the form gives them,
// and the window's routines that serve it. The window, its tests, benchmark and
// screenshot tool all find the controls through here.
struct FormTab {
    TopologyKind topology;
    const char* page;
    const char* fc;
    std::array<const char*, kMaxStages> first;  // each stage page's first field
    std::array<const char*, kMaxStages> second;
    std::array<const char*, 3> families;  // "Butterworth", "Bessel", "Chebyshev"
    std::array<const char*, 3> orders;    // "2nd LPF", "4th LPF", "8th LPF"
    std::array<const char*, 2> methods;   // method 1, method 2
    const char* stageNotebook;
    const char* allClear;  // "AC"
    const char* calc;      // "Calc"
    const char* memo;
    FormChart gain;
    FormChart phase;
    void (TFormMain::*reader)();
    std::array<void (TFormMain::*)(FilterFamily, int), 2> routines;  // method 1, method 2
};

inline constexpr std::array<FormTab, 3> kFormTabs{{
    {kindOf<MultipleFeedback>,
     "MultiFeedback",
     "Edit1",
     {"Edit2", "Edit4", "Edit6", "Edit8"},
     {"Edit3", "Edit5", "Edit7", "Edit9"},
     {"RadioButton1", "RadioButton2", "RadioButton3"},
     {"RadioButton4", "RadioButton5", "RadioButton6"},
     {"RadioButton7", "RadioButton8"},
     "PageControl2",
     "BitBtn1",
     "BitBtn2",
     "Memo1",
     {"Chart1", "Series1"},
     {"Chart2", "Series2"},
     &TFormMain::GetValuesMF,
     {&TFormMain::MethodMF1, &TFormMain::MethodMF2}},
    {kindOf<SallenKey>,
     "SallenKey",
     "Edit10",
     {"Edit11", "Edit13", "Edit15", "Edit17"},
     {"Edit12", "Edit14", "Edit16", "Edit18"},
     {"RadioButton9", "RadioButton10", "RadioButton11"},
     {"RadioButton12", "RadioButton13", "RadioButton14"},
     {"RadioButton15", "RadioButton16"},
     "PageControl3",
     "BitBtn3",
     "BitBtn4",
     "Memo2",
     {"Chart3", "PointSeries1"},
     {"Chart4", "PointSeries2"},
     &TFormMain::GetValuesSK,
     {&TFormMain::MethodSK1, &TFormMain::MethodSK2}},
    {kindOf<Passive>,
     "Passive",
     "Edit19",
     {"Edit20", "Edit22", "Edit24", "Edit26"},
     {"Edit21", "Edit23", "Edit25", "Edit27"},
     {"RadioButton17", "RadioButton18", "RadioButton19"},
     {"RadioButton20", "RadioButton21", "RadioButton22"},
     {"RadioButton23", "RadioButton24"},
     "PageControl4",
     "BitBtn5",
     "BitBtn6",
     "Memo3",
     {"Chart5", "PointSeries3"},
     {"Chart6", "PointSeries4"},
     &TFormMain::GetValuesPS,
     {&TFormMain::MethodPS1, &TFormMain::MethodPS2}},
}};

static_assert(kFormTabs.size() == Topologies::size, "every topology has its tab");

constexpr const FormTab& formTab(TopologyKind topology) {
    return kFormTabs[static_cast<std::size_t>(topology)];
}

static_assert(
    [] {
        for (std::size_t i = 0; i < kFormTabs.size(); ++i) {
            if (kFormTabs[i].topology != static_cast<TopologyKind>(i)) {
                return false;
            }
        }
        return true;
    }(),
    "the tabs stand in the order of Topologies");

// The nine fields in field order: "fc", then each stage's first and second.
constexpr std::array<const char*, 1 + 2 * kMaxStages> fieldNames(const FormTab& tab) {
    std::array<const char*, 1 + 2 * kMaxStages> names{tab.fc};
    for (std::size_t stage = 0; stage < kMaxStages; ++stage) {
        names[1 + 2 * stage] = tab.first[stage];
        names[2 + 2 * stage] = tab.second[stage];
    }
    return names;
}

}  // namespace tessaron
