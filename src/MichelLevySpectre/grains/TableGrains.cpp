// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/grains/TableGrains.h"

#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/grains/Pleochroisme.h"

#include <algorithm>
#include <utility>

namespace {

enum Colonne : std::size_t {
    Nom,
    ColHabitus,
    ColClivage,
    Lente,
    Allongement,
    CouleurX,
    Indices = CouleurX + 3,
    Macles,
    Source,
    NombreColonnes
};

// The value named by the word, or none.
template <class T>
std::optional<T> mot(std::string_view texte, std::initializer_list<std::pair<const char *, T>> mots)
{
    for (const auto &[m, v] : mots)
        if (texte == m)
            return v;
    return std::nullopt;
}

std::optional<FicheGrain> fiche(const std::vector<std::string_view> &c)
{
    if (c.size() != NombreColonnes || c[Nom].empty())
        return std::nullopt;
    FicheGrain f;
    f.nom = std::string(c[Nom]);
    using H = Habitus;
    const auto habitus = mot(c[ColHabitus], {std::pair{"", H::SansForme},
                                             {"latte", H::Latte},
                                             {"prisme", H::Prisme},
                                             {"plaque basale", H::PlaqueBasale},
                                             {"équant", H::Equant}});
    using C = Clivage;
    const auto clivage = mot(c[ColClivage], {std::pair{"", C::Aucun},
                                             {"médiocre", C::Mediocre},
                                             {"bon", C::Bon},
                                             {"parfait", C::Parfait}});
    const auto macle = mot(c[Macles], {std::pair{"", Macle::Aucune},
                                       {"simple", Macle::Simple},
                                       {"polysynthétique", Macle::Polysynthetique}});
    const auto allongement = mot(c[Allongement], {std::pair{"", ""},
                                                  {"positif", "positif"},
                                                  {"négatif", "négatif"},
                                                  {"variable", "variable"}});
    if (!habitus || !clivage || !macle || !allongement || !LitIndices(c[Indices], f.indices))
        return std::nullopt;
    if (!c[Lente].empty() && !(LitIntervalle(c[Lente], f.lente.emplace()) && f.lente->max <= 90))
        return std::nullopt;
    f.habitus = *habitus, f.clivage = *clivage, f.macle = *macle;
    f.allongement = *allongement;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!TransmissionCouleur(c[CouleurX + i]))
            return std::nullopt;
        f.couleurs[i] = std::string(c[CouleurX + i]);
    }
    f.source = std::string(c[Source]);
    return f;
}

} // namespace

std::vector<FicheGrain> LitTableGrains(std::string_view texte)
{
    std::vector<FicheGrain> grains;
    for (const LigneTableau &l : LignesDeDonnees(texte)) {
        std::optional<FicheGrain> f = fiche(ChampsTabules(l.texte));
        if (!f)
            throw Erreur("Table des grains : la ligne " + std::to_string(l.numero) +
                         " n'est pas valable");
        grains.push_back(std::move(*f));
    }
    return grains;
}

const FicheGrain *TrouveGrain(std::span<const FicheGrain> grains, const Mineral &mineral)
{
    const auto f = std::find_if(grains.begin(), grains.end(),
                                [&](const FicheGrain &g) { return g.nom == mineral.nom; });
    return f == grains.end() ? nullptr : &*f;
}
