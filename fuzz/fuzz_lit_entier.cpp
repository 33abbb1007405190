// SPDX-License-Identifier: GPL-3.0-or-later
// The integer read against an independent grammar: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X", nothing after,
// the value within the 32-bit signed range.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "Verifie.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace {

int chiffre(char c, int base)
{
    const std::string chiffres = "0123456789abcdef";
    const char minuscule = (c >= 'A' && c <= 'F') ? char(c - 'A' + 'a') : c;
    const auto p = chiffres.find(minuscule);
    return p != std::string::npos && int(p) < base ? int(p) : -1;
}

// Reads the digits of s from position i in the base; the magnitude saturates above 2^32.
std::optional<std::uint64_t> grandeur(std::string_view s, std::size_t i, int base)
{
    if (i >= s.size())
        return std::nullopt;
    std::uint64_t v = 0;
    for (; i < s.size(); ++i) {
        const int c = chiffre(s[i], base);
        if (c < 0)
            return std::nullopt;
        v = std::min<std::uint64_t>(v * std::uint64_t(base) + std::uint64_t(c), 1ull << 33);
    }
    return v;
}

std::optional<std::int32_t> reference(std::string_view s)
{
    std::size_t i = s.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return std::nullopt;
    const bool negatif = s[i] == '-';
    if (s[i] == '+' || s[i] == '-')
        ++i;
    const std::string_view reste = s.substr(i);
    std::size_t prefixe = 0;
    if (reste.starts_with("0x") || reste.starts_with("0X"))
        prefixe = 2;
    else if (reste.starts_with("$") || reste.starts_with("x") || reste.starts_with("X"))
        prefixe = 1;
    const auto g = grandeur(s, i + prefixe, prefixe ? 16 : 10);
    if (!g)
        return std::nullopt;
    const std::int64_t v = negatif ? -std::int64_t(*g) : std::int64_t(*g);
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return std::int32_t(v);
}

std::string hexadecimal(std::int32_t v)
{
    const std::uint64_t g = v < 0 ? std::uint64_t(-std::int64_t(v)) : std::uint64_t(v);
    char t[24];
    std::snprintf(t, sizeof t, "%s$%llX", v < 0 ? "-" : "", static_cast<unsigned long long>(g));
    return t;
}

bool strictEchoue(std::string_view s)
{
    try {
        LitEntierStrict(s);
    } catch (const Erreur &) {
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view s(reinterpret_cast<const char *>(data), size);
    const std::optional<std::int32_t> lu = LitEntierOptionnel(s);
    verifie(lu == reference(s), "read differs from the grammar");
    verifie(LitEntier(s, 12345) == lu.value_or(12345), "default read differs");
    verifie(strictEchoue(s) == !lu, "strict read fails exactly when there is no value");
    if (!lu)
        return 0;
    verifie(LitEntierOptionnel(std::to_string(*lu)) == lu, "decimal round trip");
    verifie(LitEntierOptionnel(hexadecimal(*lu)) == lu, "hexadecimal round trip");
    verifie(LitEntierOptionnel(std::string(s) + " ") == std::nullopt,
            "a trailing blank is refused");
    return 0;
}
