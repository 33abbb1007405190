// SPDX-License-Identifier: GPL-3.0-or-later
// What the full chart says of the light that made its table: the title's words and the
// interval of its order marks.
#include "MichelLevySpectre/MichelLevySpectre.h"
#include "MichelLevySpectre/qt/Figures.h"
#include "Unit1.h"

// The colour mode and the settings are named once either leaves its default.
QString LumiereDeLaCharte()
{
    QString lumiere = QString::fromUtf8("lumière blanche");
    if (ModeLumiereCourant() == ModeLumiere::Monochromatique)
        lumiere = QString::fromUtf8("lumière monochromatique de %1 nm, largeur %2 nm")
                      .arg(EntierDuChamp(Form1->Edit3, 550))
                      .arg(EntierDuChamp(Form1->Edit4, 2));
    ReglagesMicroscope vus = ReglagesCourants();
    if (!CouleursColorimetriquesChoisies()) // the table's colours follow the plate and polarisers
                                            // only
        vus.source = {}, vus.vision = {};
    const std::string reglages = DescriptionReglages(vus);
    if (!CouleursColorimetriquesChoisies() && reglages.empty())
        return lumiere;
    const char *mode =
        CouleursColorimetriquesChoisies() ? "couleurs colorimétriques" : "couleurs du tableau";
    return lumiere + QString::fromUtf8(" ; ") + QString::fromUtf8(mode) +
           QString::fromStdString(reglages.empty() ? "" : ", " + reglages);
}

ReperesCharte ReperesDeLaCharte()
{
    if (ModeLumiereCourant() == ModeLumiere::Blanche)
        return {};
    return {double(EntierDuChamp(Form1->Edit3, 550)), true};
}
