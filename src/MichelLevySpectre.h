// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computation unit as the window sees it: the core (plain data in, plain data out) and
// the Qt-side operations, each in its own header.
#include "MichelLevySpectre/Noyau.h"
#include "MichelLevySpectre/figures/ExportFigures.h"
#include "Operations.h"
