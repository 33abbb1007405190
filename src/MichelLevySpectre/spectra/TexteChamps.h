// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text routines of the rainbow file. Texts are single-byte (code page 1252) strings.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

int CompteCar(char c, std::string_view s);

// Only the space character counts as blank, not the tab.
std::string TrimDroite(std::string_view s);
std::string TrimGauche(std::string_view s);

// Field n (1-based) of a line; runs of separators count as one, a leading separator is
// ignored, blanks around the field are removed. An empty line gives "_extraitUTIL<>".
std::string Extrait(std::string_view ligne, std::uint8_t n, char separateur);

// Splits on CR LF, LF or CR; a line break at the very end starts no further line.
std::vector<std::string> DecoupeLignes(std::string_view texte);
// The number of lines that DecoupeLignes gives, without making them.
std::int64_t CompteLignes(std::string_view texte);

// The upper-cased header holds R, G and B and exactly three tabs.
bool EnTeteCompatible(std::string_view entete);
