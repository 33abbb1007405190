// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CIE tables compiled into the numeric core, written as C++ from the published files in
// data/. No Qt here.
#include <string>

// The source of src/MichelLevySpectre/spectra/TablesCie.cpp from the texts of
// data/cie1931-2deg-1nm.csv and data/cie-d65-10nm.csv: the values are copied as written.
// Throws std::runtime_error when a file is not the expected table.
std::string SourceTablesCie(const std::string &observateur, const std::string &d65);
