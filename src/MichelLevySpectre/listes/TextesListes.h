// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text of the value listings, built without Qt. Every line ends with '\n'.
#include "MichelLevySpectre/RetardCouleur.h"

#include <cstdint>
#include <span>
#include <string>

// A share 0..1 as listed: × 255, rounded half to even.
std::int64_t Part255(double part);

// "lambda\tR\tG\tB", then lambda_min + i and the three shares, tab-separated.
std::string ListeSpectreFichier(std::span<const RetardCouleur> spectre, std::int32_t premier);

// "i =" + i + "  " + R + "  " + G + "  " + B, no header.
std::string ListeSpectreLumiere(std::span<const RetardCouleur> spectre);

// The line the strip painter lists for row i with rounded components r, g, b.
std::string LigneSpectreDessine(std::int64_t i, std::int64_t r, std::int64_t g, std::int64_t b);

// "i\tretard(nm)\tR\tG\tB", then i, x and the three values in "%.0f" form.
std::string ListeTableInterferences(std::span<const RetardCouleur> table);

// The save confirmation's question (UTF-8); the note is there only when pas_ > 1.
std::string QuestionEnregistrement(std::int32_t pas_, std::int32_t retardMax,
                                   std::int64_t lignesMemo);
