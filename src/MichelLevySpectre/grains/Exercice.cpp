// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/grains/Exercice.h"

#include "MichelLevySpectre/Arithmetique.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr std::array BornesBirefringence{0.010, 0.025, 0.100};

// The extinction angle measured from the length, 0..45°, of a slow direction at `lente`.
double extinctionMesurable(double lente)
{
    const double e = std::fmod(std::abs(lente), 90.0);
    return std::min(e, 90 - e);
}

std::string mot(bool juste) { return juste ? "juste" : "faux"; }

} // namespace

int ClasseBirefringence(double delta)
{
    return int(std::upper_bound(BornesBirefringence.begin(), BornesBirefringence.end(), delta) -
               BornesBirefringence.begin());
}

Exercice TireExercice(std::span<const Mineral> table, std::span<const FicheGrain> grains,
                      std::mt19937 &hasard)
{
    std::vector<std::pair<const Mineral *, const FicheGrain *>> possibles;
    for (const FicheGrain &g : grains)
        for (const Mineral &m : table)
            if (m.nom == g.nom && g.lente)
                possibles.emplace_back(&m, &g);
    std::shuffle(possibles.begin(), possibles.end(), hasard);
    Exercice e{*possibles.at(0).first, *possibles[0].second, {}, 0, std::nullopt};
    for (std::size_t i = 0; i < NombreChoix; ++i)
        e.choix[i] = possibles.at(i).first->nom;
    std::shuffle(e.choix.begin(), e.choix.end(), hasard);
    e.angleDepart = std::uniform_int_distribution<int>(0, 359)(hasard);
    return e;
}

Correction Corrige(const Exercice &exercice, const GrainDessine &grain, const Reponses &r)
{
    const double extinction = extinctionMesurable(grain.lente);
    const std::string signe = SigneAllongement(grain.lente);
    const int classe = ClasseBirefringence(exercice.mineral.deltaMax),
              classeCoupe = ClasseBirefringence(grain.delta);
    Correction c{std::abs(r.extinction - extinction) <= ToleranceExtinction,
                 r.allongement == signe,
                 classeCoupe <= r.classe && r.classe <= classe,
                 r.mineral == exercice.mineral.nom,
                 {}};
    c.texte = "Angle d'extinction : " + mot(c.extinction) +
              " ; allongement : " + mot(c.allongement) + " ; biréfringence : " + mot(c.classe) +
              " ; minéral : " + mot(c.mineral) + ". Réponse : " + exercice.mineral.nom +
              ", extinction à " + Decimal(extinction, 1) + "° de la longueur, " + signe +
              ", biréfringence " + ClassesBirefringence[std::size_t(classe)] + " (δ max " +
              Decimal(exercice.mineral.deltaMax, 3) +
              (grain.delta < exercice.mineral.deltaMax - ArrondiDelta
                   ? " ; cette section, coupée au hasard : δ′ " + Decimal(grain.delta, 3)
                   : std::string()) +
              ").";
    return c;
}
