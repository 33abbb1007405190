// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

// The command line's output where it was typed. A Windows program built as a window has no
// console of its own: it borrows the one it was started from, unless its output is already
// redirected to a file or a pipe. Elsewhere, a reader that closes the pipe early (| head) ends
// the program quietly, as it ends other command-line tools, whatever the caller ignored.
void SortieVersLaConsole();

// Every line the command line writes goes through here; a failed write on standard output is
// remembered for SortieTerminee.
void EcritSortie(std::string_view texte);
void EcritErreurs(std::string_view texte);
// Flushes standard output. False, after one French line on stderr, when a write or the flush
// failed (full disk, closed output); the program then ends with status 1.
bool SortieTerminee();
