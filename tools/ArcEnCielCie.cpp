// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArcEnCielCie.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int premier = LambdaMin;
constexpr int dernier = LambdaMax;

RgbLineaire positif(const RgbLineaire &c)
{
    return {std::max(c.R, 0.0), std::max(c.G, 0.0), std::max(c.B, 0.0)};
}

int echelonne(double v, double echelle) { return static_cast<int>(std::lround(v * echelle)); }

} // namespace

std::vector<LigneArcEnCiel> ArcEnCielStandard()
{
    std::vector<RgbLineaire> couleurs;
    for (int lambda = premier; lambda <= dernier; ++lambda)
        couleurs.push_back(positif(VersSrgbLineaire(CorrespondanceCie1931(lambda))));
    const double echelle = 255.0 / CanalLePlusClair(couleurs);
    std::vector<LigneArcEnCiel> lignes;
    for (int k = 0; k <= dernier - premier; ++k) {
        const RgbLineaire &c = couleurs[static_cast<std::size_t>(k)];
        lignes.push_back({premier + k, echelonne(c.R, echelle), echelonne(c.G, echelle),
                          echelonne(c.B, echelle)});
    }
    return lignes;
}

std::string TexteArcEnCielStandard()
{
    std::string texte = "lambda\tR\tG\tB\r\n";
    for (const LigneArcEnCiel &l : ArcEnCielStandard())
        texte += std::to_string(l.lambda) + '\t' + std::to_string(l.R) + '\t' +
                 std::to_string(l.G) + '\t' + std::to_string(l.B) + "\r\n";
    return texte;
}
