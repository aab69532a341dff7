// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaron {

// What a tab's chart plots against frequency; decides its title, the colour of
// its design's points, its value ticks and the unit of its readout.
enum class ChartQuantity { Gain, Phase };

}  // namespace tessaron
