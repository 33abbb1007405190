// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: French long options that write tab-separated text on stdout
// without opening a window.
#include <optional>

// Runs the command that the arguments ask for and gives the exit status: 0; 2 after a French
// message on stderr for a bad argument; 1 after one when the output cannot be written or
// memory runs out. Nothing when the window should open: no argument, or only Qt's own
// single-dash options (-platform, -style…).
std::optional<int> LigneDeCommande(int argc, char *argv[]);
