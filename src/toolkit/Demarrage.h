// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sets up before and right after the application object exists.
#include <string>

// True when a window system can be reached: on Linux, DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM is set; Windows always has one. Without one Qt aborts, so the program
// checks first. Needs no application object.
bool SystemeDeFenetres();

// On Windows, the fonts shipped in the program's "polices" folder (Liberation Sans, whose
// metrics the layout was checked with on Linux). Elsewhere the system's own are used.
void PolicesDuProgramme();

// The display that is set but does not answer ("DISPLAY=:189"), empty when one answers or
// when the platform is left to Qt. Qt would abort there, so the program checks first; the
// check only connects and hangs up, and needs no application object.
std::string AffichageMuet();

// Qt's own texts (dialogs, context menus) in French, and French as the default locale,
// whatever the system's language. Call once the application exists; false when Qt's
// French translations are not installed (Qt then speaks English).
bool TextesQtEnFrancais();
