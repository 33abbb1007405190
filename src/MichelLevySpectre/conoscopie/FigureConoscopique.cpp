// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/conoscopie/FigureConoscopique.h"

#include <cmath>
#include <numbers>

double RetardMaxFigure(const IndicesPrincipaux &n, const Conoscope &c)
{
    const DirectionOnde bord = DirectionDuPoint(1, 0, c.ouverture, IndiceMoyen(n));
    return 1000 * c.epaisseur * (n.gamma - n.alpha) / bord.z;
}

PointChamp PointDuPixel(int colonne, int ligne, int cote)
{
    const double rayon = cote / 2.0;
    return {(colonne + 0.5 - rayon) / rayon, (rayon - ligne - 0.5) / rayon};
}

ImageFigure DessineFigure(const LumiereConoscopie &lumiere, const Grain &grain,
                          const Conoscope &conoscope, int cote)
{
    ImageFigure image{cote, std::vector<std::uint8_t>(std::size_t(cote) * std::size_t(cote) * 4)};
    const Matrice3 forme = FormeIndicatrice(grain.indices, grain.orientation);
    const double moyen = IndiceMoyen(grain.indices);
    std::uint8_t *octet = image.rgba.data();
    for (int ligne = 0; ligne < cote; ++ligne)
        for (int colonne = 0; colonne < cote; ++colonne, octet += 4) {
            const PointChamp p = PointDuPixel(colonne, ligne, cote);
            if (p.x * p.x + p.y * p.y > 1)
                continue;
            const DirectionOnde k = DirectionDuPoint(p.x, p.y, conoscope.ouverture, moyen);
            const DeuxOndes ondes = OndesDeLaDirection(forme, k);
            const double angle = std::atan2(ondes.lenteY, ondes.lenteX) * 180 / std::numbers::pi;
            const Rgb8 c =
                EncodeDansGamut(LumiereVue(lumiere, Retard(ondes, k, conoscope.epaisseur), angle));
            octet[0] = c.r, octet[1] = c.g, octet[2] = c.b, octet[3] = 255;
        }
    return image;
}
