// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's output where it was typed. A Windows program built as a window has no
// console of its own: it borrows the one it was started from, unless its output is already
// redirected to a file or a pipe. Elsewhere, nothing to do.
void SortieVersLaConsole();
