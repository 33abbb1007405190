// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour values as the strips and charts are painted: r + 256 g + 65536 b, red in the low
// byte, each component 8 bits.
#include "MichelLevySpectre/Arithmetique.h"

#include <cstdint>

inline constexpr std::uint32_t Rouge = 255;
inline constexpr std::uint32_t Vert = 32768; // half intensity
inline constexpr std::uint32_t Bleu = 16711680;
inline constexpr std::uint32_t Jaune = 65535;

// Each component keeps the low byte of its value.
inline std::uint32_t CouleurValeur(std::int64_t r, std::int64_t g, std::int64_t b)
{
    return OctetBas(r) | (OctetBas(g) << 8) | (OctetBas(b) << 16);
}

struct Composantes {
    int r, g, b;
};

inline constexpr Composantes EnComposantes(std::uint32_t valeur)
{
    return {int(valeur & 0xFF), int((valeur >> 8) & 0xFF), int((valeur >> 16) & 0xFF)};
}
