// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/spectra/TexteChamps.h"

#include <algorithm>

int CompteCar(char c, std::string_view s)
{
    return static_cast<int>(std::count(s.begin(), s.end(), c));
}

std::string TrimDroite(std::string_view s)
{
    const auto fin = s.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string() : std::string(s.substr(0, fin + 1));
}

std::string TrimGauche(std::string_view s)
{
    const auto debut = s.find_first_not_of(' ');
    return debut == std::string_view::npos ? std::string() : std::string(s.substr(debut));
}

namespace {

std::string sansSeparateursDoubles(std::string_view ligne, char separateur)
{
    std::string resultat;
    resultat.reserve(ligne.size());
    for (char c : ligne)
        if (!(c == separateur && !resultat.empty() && resultat.back() == separateur))
            resultat.push_back(c);
    return resultat;
}

} // namespace

std::string Extrait(std::string_view ligne, std::uint8_t n, char separateur)
{
    std::string l = sansSeparateursDoubles(ligne, separateur);
    if (l.empty())
        return "_extraitUTIL<" + std::string(ligne) + ">";
    if (l.front() != separateur)
        l.insert(l.begin(), separateur);
    if (l.back() != separateur)
        l.push_back(separateur);
    if (n == 0)
        return {};
    std::size_t debut = 0; // position of the n-th separator
    for (int k = 1; k < n; ++k) {
        debut = l.find(separateur, debut + 1);
        if (debut == std::string::npos || debut + 1 >= l.size())
            return {};
    }
    const std::size_t fin = l.find(separateur, debut + 1);
    if (fin == std::string::npos)
        return {};
    return TrimGauche(TrimDroite(std::string_view(l).substr(debut + 1, fin - debut - 1)));
}

namespace {

// The one scan of line breaks: each line handed over as a view into the text.
template <typename Ligne> void parcourtLignes(std::string_view texte, Ligne &&ligne)
{
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\r' && texte[i] != '\n')
            continue;
        ligne(texte.substr(debut, i - debut));
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n')
            ++i;
        debut = i + 1;
    }
    if (debut < texte.size())
        ligne(texte.substr(debut));
}

} // namespace

std::vector<std::string> DecoupeLignes(std::string_view texte)
{
    std::vector<std::string> lignes;
    parcourtLignes(texte, [&](std::string_view l) { lignes.emplace_back(l); });
    return lignes;
}

std::int64_t CompteLignes(std::string_view texte)
{
    std::int64_t n = 0;
    parcourtLignes(texte, [&](std::string_view) { ++n; });
    return n;
}

bool EnTeteCompatible(std::string_view entete)
{
    std::string haut(entete);
    for (char &c : haut)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    const auto contient = [&](char c) { return haut.find(c) != std::string::npos; };
    return contient('R') && contient('G') && contient('B') && CompteCar('\t', haut) == 3;
}
