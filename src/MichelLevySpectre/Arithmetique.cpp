// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/Arithmetique.h"

#include "MichelLevySpectre/Erreur.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

int valeurChiffre(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Length of the hexadecimal prefix at the start of s, 0 when there is none.
std::size_t prefixeHexa(std::string_view s)
{
    if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X'))
        return 1;
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        return 2;
    return 0;
}

} // namespace

std::optional<std::int32_t> LitEntierOptionnel(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negatif = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negatif = s[i] == '-';
        ++i;
    }
    const std::size_t prefixe = prefixeHexa(s.substr(i));
    const int base = prefixe ? 16 : 10;
    i += prefixe;
    if (i >= s.size())
        return std::nullopt;
    // The magnitude may reach 2^31 for the most negative value; stop well before overflow.
    const std::uint64_t limite = negatif ? 2147483648ull : 2147483647ull;
    std::uint64_t valeur = 0;
    for (; i < s.size(); ++i) {
        const int chiffre = valeurChiffre(s[i], base);
        if (chiffre < 0)
            return std::nullopt;
        valeur = valeur * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(chiffre);
        if (valeur > limite)
            return std::nullopt;
    }
    const std::int64_t signe =
        negatif ? -static_cast<std::int64_t>(valeur) : static_cast<std::int64_t>(valeur);
    return static_cast<std::int32_t>(signe);
}

std::int32_t LitEntier(std::string_view texte, std::int32_t defaut)
{
    return LitEntierOptionnel(texte).value_or(defaut);
}

std::int32_t LitEntierStrict(std::string_view texte)
{
    if (auto v = LitEntierOptionnel(texte))
        return *v;
    throw Erreur("'" + std::string(texte) + "' n'est pas une valeur entière correcte.");
}

std::int64_t ArrondiPair(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double limite = 9223372036854775807.0; // 2^63
    if (v >= limite)
        return std::numeric_limits<std::int64_t>::max();
    if (v <= -limite)
        return std::numeric_limits<std::int64_t>::min();
    // nearbyint follows the default rounding mode: nearest, ties to even.
    return static_cast<std::int64_t>(std::nearbyint(v));
}

std::string FormatFixe(double v)
{
    double r = std::round(v); // halves away from zero
    if (r == 0.0)
        r = 0.0; // drops the sign of -0
    // Every listed value is a small integer: skip printf, which costs most of a long listing.
    if (std::fabs(r) < 9007199254740992.0) // 2^53: r is exactly an integer here
        return std::to_string(static_cast<std::int64_t>(r));
    char tampon[512];
    std::snprintf(tampon, sizeof tampon, "%.0f", r);
    return tampon;
}

std::optional<double> LitDecimal(std::string_view texte)
{
    const auto blanc = [](char c) { return c == ' ' || c == '\t'; };
    while (!texte.empty() && blanc(texte.front()))
        texte.remove_prefix(1);
    while (!texte.empty() && blanc(texte.back()))
        texte.remove_suffix(1);
    std::string s(texte);
    const bool negatif = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '+' || s[0] == '-'))
        s.erase(0, 1);
    std::size_t chiffres = 0, separateurs = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            ++chiffres;
        else if (s[i] == '.' || s[i] == ',')
            s[i] = '.', ++separateurs;
        else
            return std::nullopt;
    }
    if (chiffres == 0 || separateurs > 1)
        return std::nullopt;
    double v = 0;
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || fin != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return negatif ? -v : v;
}

std::string Decimal(double valeur, int decimales)
{
    char tampon[512];
    std::snprintf(tampon, sizeof tampon, "%.*f", std::clamp(decimales, 0, 20), valeur);
    std::string s = tampon;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}
