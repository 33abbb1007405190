// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sets up once the application object exists.

// Qt's own texts (dialogs, context menus) in French and French number and date formats,
// whatever the system's language. Call once the application exists; false when Qt's
// French translations are not installed (Qt then speaks English).
bool TextesQtEnFrancais();
