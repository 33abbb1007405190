// SPDX-License-Identifier: GPL-3.0-or-later
// Extrait against an independent split: the fields are the non-empty pieces between
// separators, each stripped of spaces at both ends. Input: field number, separator, line.
#include "MichelLevySpectre/spectra/TexteChamps.h"
#include "Verifie.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> champs(std::string_view ligne, char separateur)
{
    std::vector<std::string> resultat;
    std::string courant;
    for (char c : ligne) {
        if (c != separateur) {
            courant.push_back(c);
            continue;
        }
        if (!courant.empty())
            resultat.push_back(courant);
        courant.clear();
    }
    if (!courant.empty())
        resultat.push_back(courant);
    return resultat;
}

std::string sansEspaces(const std::string &s)
{
    const auto debut = s.find_first_not_of(' ');
    if (debut == std::string::npos)
        return {};
    return s.substr(debut, s.find_last_not_of(' ') - debut + 1);
}

std::string reference(std::string_view ligne, std::uint8_t n, char separateur)
{
    if (ligne.empty())
        return "_extraitUTIL<>";
    const std::vector<std::string> c = champs(ligne, separateur);
    if (n == 0 || n > c.size())
        return {};
    return sansEspaces(c[n - 1u]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t n = data[0];
    const char separateur = static_cast<char>(data[1]);
    const std::string_view ligne(reinterpret_cast<const char *>(data + 2), size - 2);
    const std::string champ = Extrait(ligne, n, separateur);
    verifie(champ == reference(ligne, n, separateur), "field differs from the plain split");
    if (ligne.empty())
        return 0;
    verifie(champ.find(separateur) == std::string::npos, "the field holds the separator");
    verifie(champ.empty() || (champ.front() != ' ' && champ.back() != ' '),
            "the field keeps blanks at an end");
    verifie(TrimDroite(champ) == champ && TrimGauche(champ) == champ, "trims change the field");
    return 0;
}
