// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program needs of the application: the program-wide cursor and the error report
// of a failure that escapes an event handler.
#include <Qt>

#include <functional>

// Sets the cursor that replaces every control's own cursor.
void CurseurProgramme(Qt::CursorShape forme);

// Runs a handler's chain; a failure ends it at the failing step and is shown in the
// error box, and the program goes on. Qt never sees an exception leave a slot.
void Protege(const std::function<void()> &chaine);

// Runs a chain under the hourglass, then sets the arrow, also when a step fails.
void SablierPendant(const std::function<void()> &chaine);
