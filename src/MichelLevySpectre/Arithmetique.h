// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number reads, writes and roundings shared by the whole program: the window, its other
// windows and the command line read and write numbers only through these.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Leading blanks, optional sign, decimal digits or hexadecimal after "$", "x", "X", "0x", "0X";
// nothing may follow. Empty, malformed or outside the 32-bit signed range: no value.
std::optional<std::int32_t> LitEntierOptionnel(std::string_view texte);

// Same read with a default for fields that fall back silently.
std::int32_t LitEntier(std::string_view texte, std::int32_t defaut);

// Same read for the places that fail instead: throws Erreur
// "'texte' n'est pas une valeur entière correcte." (texte is UTF-8).
std::int32_t LitEntierStrict(std::string_view texte);

// A decimal number as the user types it: blanks around, an optional sign, digits with at most
// one decimal separator, a point or a comma ("30", "+45", "-2,5", ",5", "12."). No exponent, no
// group separator, no lone separator; anything else, and a value too large for a double, gives
// no value.
std::optional<double> LitDecimal(std::string_view texte);

// The value with that many decimals and a decimal comma, as every French text writes it:
// "0,0217". Exact halves go as printf rounds them.
std::string Decimal(double valeur, int decimales);

// Nearest integer, an exact half to the even one (2.5 -> 2, 3.5 -> 4).
// Saturates outside the 64-bit range; NaN gives 0.
std::int64_t ArrondiPair(double v);

// The "%.0f" form of the interference listing: an exact half goes away from zero
// (126.5 -> "127"); never "-0".
std::string FormatFixe(double v);

// The 8-bit component that goes into a colour value: the low byte of the rounded value.
inline std::uint32_t OctetBas(std::int64_t v) { return static_cast<std::uint32_t>(v) & 0xFFu; }
