// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "studies/schematic_scene.h"

namespace tessaron {

// The symbols in grid steps, before the scene is scaled to its pitch. A
// two-terminal part has its pins two steps either side of its centre; an
// op-amp's inputs lie three steps left of its centre and one above and below
// it, its output three steps right, its supply pins two steps above and below.
inline constexpr double kPinOffset = 2;
inline constexpr double kOpAmpInputOffset = 3;
inline constexpr double kOpAmpHalfHeight = 2;

Symbol twoTerminalSymbol(SymbolKind kind, Point centre, Orientation orientation);
Symbol opAmpSymbol(Point centre, Orientation orientation);
Symbol groundSymbol(Point pin);                 // hangs below its pin
Symbol supplySymbol(Point pin, bool positive);  // the rail above (V+) or below (V-) its pin
Symbol terminalSymbol(Point pin);               // the cascade's input or output

// The symbol moved by `offset` grid steps and then scaled to `pitch` scene
// units per step.
Symbol placed(Symbol symbol, Point offset, double pitch);
Point placed(Point point, Point offset, double pitch);
Box placed(const Box& box, Point offset, double pitch);

}  // namespace tessaron
