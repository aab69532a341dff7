// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaron {

// Makes the pictures and the bundled font reachable under ":/"; safe to call
// more than once.
void initResources();

// Registers the bundled Tahoma with the font database, so the form's font is
// the same on every machine. Returns false if the font could not be loaded.
bool registerApplicationFonts();

// What the program does before building its window: the application title and
// the bundled fonts.
void setUpApplication();

}  // namespace tessaron
