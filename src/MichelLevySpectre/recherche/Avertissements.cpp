// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/recherche/Avertissements.h"

#include "MichelLevySpectre/recherche/Ambiguite.h"

std::string AvertissementsReponse(const GrainPhotographie &grain,
                                  std::span<const Candidat> candidats)
{
    std::string s;
    for (const std::string &a : {AvertissementPrise(grain), AvertissementAmbiguite(candidats),
                                 AvertissementConcordance(candidats)})
        if (!a.empty())
            s += (s.empty() ? "" : "\n") + a;
    return s;
}
