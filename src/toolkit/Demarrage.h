// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sets up before and right after the application object exists.
#include <QString>
#include <QtGlobal>

// Before the application exists. False, with one French line on stderr, when no window system
// is named: on Linux none of DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM and Qt's -platform and
// -display options (Windows always has one); the program then ends with status 1. Otherwise,
// until PlateformeOuverte(), Qt's fatal failure to open its platform (no display answers, no
// plugin loads) ends the program with the same kind of line and status 1 instead of Qt's
// English and abort; Qt's other messages meanwhile are held, and passed on once it is open.
bool GuetteOuverturePlateforme(int argc, char *argv[]);
void PlateformeOuverte();

// Qt's own warnings and debug lines are English and meant for developers: a release build
// drops them (the held ones too), so that only the program's French reaches the user; a
// debug build passes them on. Qt's fatal messages still end the program.
void MessagesQtDeveloppeur(QtMsgType type, const QMessageLogContext &contexte,
                           const QString &texte);

// On Windows, the fonts shipped in the program's "polices" folder (Liberation Sans, whose
// metrics the layout was checked with on Linux). Elsewhere the system's own are used.
void PolicesDuProgramme();

// Qt's own texts (dialogs, context menus) in French, and French as the default locale,
// whatever the system's language. Call once the application exists; false when Qt's
// French translations are not installed (Qt then speaks English).
bool TextesQtEnFrancais();
