// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string>
#include <variant>

#include "studies/standard_build.h"
#include "ui/build/opamp_group.h"
#include "ui/tab_feed/tab_design.h"

namespace tessaron {

// What "Save SPICE Netlist…" writes for a tab's last design with the Build
// window's choices: every part at the value the window's "Standard" column
// shows (its series' value, or the design's own where the series is "Exact"),
// the circuit chosen, and an AC sweep over the tab's charts' frequencies. Or
// why there is none: no design yet, a design that stopped, a part without a
// value, a field that cannot be read, or the netlist's own refusal.
std::variant<std::string, QString> buildNetlist(const TabDesign* design, SeriesChoice series,
                                                const ChosenModel& model);

// The netlist's file name before its suffix: the design's
// ("mfb-butterworth-4th-1kHz").
QString netlistFileStem(const TabDesign& design);

}  // namespace tessaron
