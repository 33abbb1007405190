// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sets up before and right after the application object exists.

// True when a window system can be reached: on Linux, DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM is set; Windows always has one. Without one Qt aborts, so the program
// checks first. Needs no application object.
bool SystemeDeFenetres();

// On Windows, the fonts shipped in the program's "polices" folder (Liberation Sans, whose
// metrics the layout was checked with on Linux). Elsewhere the system's own are used.
void PolicesDuProgramme();

// Qt's own texts (dialogs, context menus) in French, and French as the default locale,
// whatever the system's language. Call once the application exists; false when Qt's
// French translations are not installed (Qt then speaks English).
bool TextesQtEnFrancais();
