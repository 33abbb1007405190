// SPDX-License-Identifier: GPL-3.0-or-later
// The rainbow file reader from raw bytes: the lines as the file cuts them, then the 401
// slots of the white spectrum. Slots start with a marker so that any write shows.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/spectra/FichierArcEnCiel.h"
#include "MichelLevySpectre/spectra/TexteChamps.h"
#include "Verifie.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t premier = LambdaMin;
constexpr std::int32_t dernier = LambdaMax;
constexpr std::int64_t cases = dernier - premier + 1;
const RetardCouleur marqueur{-7, -1.5, -2.5, -3.5};

bool estMarqueur(const RetardCouleur &e)
{
    return e.x == marqueur.x && e.R == marqueur.R && e.G == marqueur.G && e.B == marqueur.B;
}

bool finDeLigne(char c) { return c == '\r' || c == '\n'; }

// The lines hold no break, join back to the text without its breaks, and there is one
// line per break (CR LF counting once) plus an unterminated last one.
void verifieLignes(std::string_view texte, const std::vector<std::string> &lignes)
{
    std::string sansFins;
    std::size_t fins = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (!finDeLigne(texte[i])) {
            sansFins.push_back(texte[i]);
            continue;
        }
        ++fins;
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n')
            ++i;
    }
    const bool derniereOuverte = !texte.empty() && !finDeLigne(texte.back());
    verifie(lignes.size() == fins + (derniereOuverte ? 1 : 0), "line count");
    std::string jointes;
    for (const std::string &l : lignes) {
        verifie(l.find_first_of("\r\n") == std::string::npos, "a line holds a break");
        jointes += l;
    }
    verifie(jointes == sansFins, "lines lose or add characters");
}

bool enTeteAttendue(const std::vector<std::string> &lignes)
{
    if (lignes.size() < 3)
        return false;
    std::string h = lignes[0];
    for (char &c : h)
        if (c >= 'a' && c <= 'z')
            c = char(c - 32);
    int tabs = 0;
    for (char c : h)
        tabs += c == '\t';
    return tabs == 3 && h.find('R') != h.npos && h.find('G') != h.npos && h.find('B') != h.npos;
}

// Slot of data line b: the nearest to (b - 1) / (n - 1) × 400, checked in exact integers.
void verifieCase(std::int64_t b, std::int64_t n, std::int64_t k)
{
    const std::int64_t exact = (b - 1) * (cases - 1); // position × (n - 1)
    const std::int64_t ecart = exact - k * (n - 1);
    verifie(k >= 0 && k < cases, "slot outside the table");
    verifie(2 * std::abs(ecart) <= n - 1, "slot is not the nearest one");
}

double part(const std::string &ligne, std::uint8_t champ)
{
    return LitEntier(Extrait(ligne, champ, '\t'), 0) / 255.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view texte(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> lignes = DecoupeLignes(texte);
    verifieLignes(texte, lignes);

    Tab_RetardCouleur table(cases, marqueur);
    const bool lu = RemplitArcEnCiel(lignes, premier, dernier, table);
    verifie(table.size() == std::size_t(cases), "the table changed length");
    verifie(lu == enTeteAttendue(lignes), "header check");

    const std::int64_t n = std::int64_t(lignes.size()) - 1;
    std::vector<std::int64_t> derniereLigne(cases, 0); // last data line of each slot
    for (std::int64_t b = 1; lu && b <= n; ++b) {
        const std::int64_t k = CaseDeLigne(b, n, cases);
        verifieCase(b, n, k);
        derniereLigne[std::size_t(k)] = b;
    }
    verifie(!lu || (derniereLigne.front() != 0 && derniereLigne.back() != 0),
            "first and last slots are filled");
    for (std::int64_t k = 0; k < cases; ++k) {
        const RetardCouleur &e = table[std::size_t(k)];
        const std::int64_t b = derniereLigne[std::size_t(k)];
        if (b == 0) {
            verifie(estMarqueur(e), "a slot that no line reaches was written");
            continue;
        }
        const std::string &l = lignes[std::size_t(b)];
        verifie(e.x == premier + k, "slot wavelength");
        verifie(e.R == part(l, 2) && e.G == part(l, 3) && e.B == part(l, 4),
                "slot holds the last of its lines");
        for (double v : {e.R, e.G, e.B})
            verifie(std::isfinite(v) && std::abs(v * 255) <= 2147483648.0, "share range");
    }
    return 0;
}
