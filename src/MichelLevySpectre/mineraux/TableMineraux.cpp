// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/mineraux/TableMineraux.h"

#include "MichelLevySpectre/Erreur.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

constexpr std::size_t ColonneSynonymes = 6;
constexpr std::size_t ColonneAnomalies = 7;
constexpr std::size_t ColonneIndices = 8;
constexpr std::size_t ColonneSigne = 9;
constexpr std::size_t ColonneDeuxV = 10;
constexpr std::size_t ColonneSysteme = 11;

// The lower-case letter of a Latin capital (Unicode's simple case folding over Basic Latin,
// Latin-1 and Latin Extended-A, which hold every letter of French names); others unchanged.
char32_t minuscule(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c == 0x178) // Ÿ
        return 0xFF;
    // Extended-A pairs capital then small, on even code points except in two runs.
    const bool impairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x138 && c != 0x149 &&
        (c % 2 == 0) != impairs)
        return c + 1;
    return c;
}

void ajouteUtf8(std::string &s, char32_t c)
{
    if (c < 0x80) {
        s += char(c);
    } else { // below U+0800: two bytes
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    }
}

// The name with its letters folded to lower case, accents kept: "DISTHÈNE" → "disthène".
std::string minuscules(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        const bool deuxOctets = c >= 0xC2 && c <= 0xDF && i + 1 < s.size() &&
                                (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80;
        if (!deuxOctets) { // ASCII, or a byte of a longer sequence, kept as it is
            r += c < 0x80 ? char(minuscule(c)) : char(c);
            continue;
        }
        const char32_t point =
            char32_t(c & 0x1F) << 6 | (static_cast<unsigned char>(s[++i]) & 0x3F);
        ajouteUtf8(r, minuscule(point));
    }
    return r;
}

} // namespace

std::vector<std::string_view> ChampsTabules(std::string_view ligne)
{
    std::vector<std::string_view> c;
    for (std::size_t debut = 0;;) {
        const std::size_t tab = ligne.find('\t', debut);
        c.push_back(ligne.substr(debut, tab - debut));
        if (tab == std::string_view::npos)
            return c;
        debut = tab + 1;
    }
}

namespace {

template <typename T> bool nombre(std::string_view s, T &v)
{
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && fin == s.data() + s.size();
}

bool caractere(std::string_view s, CaractereOptique &c)
{
    if (s == "isotrope")
        c = CaractereOptique::Isotrope;
    else if (s == "uniaxe")
        c = CaractereOptique::Uniaxe;
    else if (s == "biaxe")
        c = CaractereOptique::Biaxe;
    else
        return false;
    return true;
}

// Birefringence stays below 0.3 in rock-forming minerals; an isotropic one has none.
// n for an isotropic mineral, ω and ε for a uniaxial one, nα, nβ and nγ for a biaxial one.
std::size_t nombreIndices(CaractereOptique c)
{
    return c == CaractereOptique::Isotrope ? 1 : c == CaractereOptique::Uniaxe ? 2 : 3;
}

bool coherent(const Mineral &m)
{
    return std::isfinite(m.deltaMin) && 0 <= m.deltaMin && m.deltaMin <= m.deltaMax &&
           m.deltaMax <= 0.3 && m.rang > 0 && !m.nom.empty() &&
           (m.caractere != CaractereOptique::Isotrope || m.deltaMax == 0) &&
           (m.indices.empty() || m.indices.size() == nombreIndices(m.caractere));
}

// Names separated by commas, blanks around them dropped.
std::vector<std::string> synonymes(std::string_view s)
{
    std::vector<std::string> noms;
    for (std::size_t debut = 0; debut <= s.size();) {
        std::size_t fin = std::min(s.find(',', debut), s.size());
        std::string_view nom = s.substr(debut, fin - debut);
        while (!nom.empty() && nom.front() == ' ')
            nom.remove_prefix(1);
        while (!nom.empty() && nom.back() == ' ')
            nom.remove_suffix(1);
        if (!nom.empty())
            noms.emplace_back(nom);
        debut = fin + 1;
    }
    return noms;
}

} // namespace

bool LitIntervalle(std::string_view s, Intervalle &i)
{
    const std::size_t tiret = s.find('-');
    if (!nombre(s.substr(0, tiret), i.min))
        return false;
    i.max = i.min;
    if (tiret != std::string_view::npos && !nombre(s.substr(tiret + 1), i.max))
        return false;
    return 0 <= i.min && i.min <= i.max;
}

bool LitIndices(std::string_view s, std::vector<Intervalle> &v)
{
    for (std::size_t debut = 0; !s.empty() && debut <= s.size();) {
        const std::size_t fin = std::min(s.find(',', debut), s.size());
        if (!LitIntervalle(s.substr(debut, fin - debut), v.emplace_back()))
            return false;
        debut = fin + 1;
    }
    return v.size() <= 3;
}

namespace {

// "+", "-" or empty.
bool signe(std::string_view s, int &v)
{
    v = s == "+" ? 1 : s == "-" ? -1 : 0;
    return v != 0 || s.empty();
}

// "30-47" degrees, or empty.
bool deuxV(std::string_view s, std::optional<Intervalle> &v)
{
    if (s.empty())
        return true;
    v.emplace();
    return LitIntervalle(s, *v) && v->max <= 90;
}

// The optical constants, in the columns after the anomalous colours.
bool constantesOptiques(const std::vector<std::string_view> &c, Mineral &m)
{
    const auto champ = [&c](std::size_t i) { return i < c.size() ? c[i] : std::string_view(); };
    if (c.size() > ColonneSysteme)
        m.systeme = std::string(c[ColonneSysteme]);
    return LitIndices(champ(ColonneIndices), m.indices) && signe(champ(ColonneSigne), m.signe) &&
           deuxV(champ(ColonneDeuxV), m.deuxV);
}

// Columns after the source came later (synonyms, anomalous colours, optical constants): older
// files lack them.
bool colonnesAjoutees(const std::vector<std::string_view> &c, Mineral &m)
{
    if (c.size() > ColonneSynonymes)
        m.synonymes = synonymes(c[ColonneSynonymes]);
    if (!constantesOptiques(c, m))
        return false;
    if (c.size() <= ColonneAnomalies || c[ColonneAnomalies].empty())
        return true;
    m.teintesAnormales = c[ColonneAnomalies] == "oui";
    return m.teintesAnormales || c[ColonneAnomalies] == "non";
}

Mineral ligneMineral(std::string_view ligne, int numero)
{
    const std::vector<std::string_view> c = ChampsTabules(ligne);
    Mineral m;
    if (c.size() >= 5 && nombre(c[1], m.deltaMin) && nombre(c[2], m.deltaMax) &&
        caractere(c[3], m.caractere) && nombre(c[4], m.rang) && colonnesAjoutees(c, m)) {
        m.nom = std::string(c[0]);
        if (coherent(m))
            return m;
    }
    throw Erreur("Table des minéraux : la ligne " + std::to_string(numero) + " n'est pas valable");
}

} // namespace

std::vector<LigneTableau> LignesDeDonnees(std::string_view texte)
{
    std::vector<LigneTableau> lignes;
    bool entete = true;
    int numero = 0;
    for (std::size_t debut = 0; debut < texte.size();) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos)
            fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        debut = fin + 1;
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        if (ligne.empty() || ligne.front() == '#')
            continue;
        if (!std::exchange(entete, false))
            lignes.push_back({numero, ligne});
    }
    return lignes;
}

std::vector<Mineral> LitTableMineraux(std::string_view texte)
{
    std::vector<Mineral> table;
    for (const LigneTableau &l : LignesDeDonnees(texte))
        table.push_back(ligneMineral(l.texte, l.numero));
    if (table.empty())
        throw Erreur("La table des minéraux est vide");
    std::stable_sort(table.begin(), table.end(),
                     [](const Mineral &a, const Mineral &b) { return a.rang < b.rang; });
    return table;
}

const Mineral *TrouveMineral(std::span<const Mineral> table, std::string_view nom)
{
    const std::string cherche = minuscules(nom);
    for (const Mineral &m : table) {
        if (minuscules(m.nom) == cherche)
            return &m;
        for (const std::string &s : m.synonymes)
            if (minuscules(s) == cherche)
                return &m;
    }
    return nullptr;
}

std::string NomsMineraux(std::span<const Mineral> mineraux, std::size_t nombre)
{
    if (mineraux.empty())
        return "aucun";
    std::string s;
    for (std::size_t i = 0; i < mineraux.size() && i < nombre; ++i)
        s += (i ? ", " : "") + mineraux[i].nom;
    if (mineraux.size() > nombre)
        s += ", …";
    return s;
}

std::vector<Mineral> MinerauxDeLaCharte(std::span<const Mineral> table, std::size_t nombre)
{
    static const char *const cours[] = {
        "quartz",     "orthose",  "plagioclase", "microcline", "cordiérite",  "muscovite",
        "biotite",    "chlorite", "hornblende",  "augite",     "olivine",     "calcite",
        "dolomite",   "zircon",   "tourmaline",  "épidote",    "sillimanite", "disthène",
        "staurotide", "sphène",   "apatite"};
    std::vector<Mineral> r;
    const auto ajoute = [&](const Mineral &m) {
        const bool deja =
            std::any_of(r.begin(), r.end(), [&](const Mineral &n) { return n.nom == m.nom; });
        if (m.deltaMax > 0 && !deja && r.size() < nombre)
            r.push_back(m);
    };
    for (const char *nom : cours)
        if (const Mineral *m = TrouveMineral(table, nom))
            ajoute(*m);
    for (const Mineral &m : table)
        ajoute(m);
    return r;
}
