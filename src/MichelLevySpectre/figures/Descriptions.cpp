// SPDX-License-Identifier: GPL-3.0-or-later
// What the figures say of what they show: the light, the colour mode and the settings in
// words, and the interval of the full chart's order marks.
#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "MichelLevySpectre/figures/Figures.h"
#include "MichelLevySpectre/reglages/ReglagesCourants.h"

QString LumiereDeLaCharte()
{
    const FenetreFigures fenetre = FenetreDesFigures();
    if (fenetre.mode == ModeLumiere::Monochromatique)
        return QString::fromUtf8("lumière monochromatique de %1 nm, largeur %2 nm")
            .arg(fenetre.centreBande)
            .arg(fenetre.largeurBande);
    return QString::fromUtf8("lumière blanche");
}

QString ModeEtReglages()
{
    const bool colorimetriques = CouleursColorimetriquesChoisies();
    return QString::fromUtf8(colorimetriques ? "couleurs colorimétriques, "
                                             : "couleurs du tableau, ") +
           QString::fromStdString(ReglagesEnMots(ReglagesCourants(), colorimetriques));
}

QString DescriptionFigure()
{
    return LumiereDeLaCharte() + QStringLiteral(" ; ") + ModeEtReglages();
}

QString Capitale(QString texte)
{
    if (!texte.isEmpty())
        texte[0] = texte[0].toUpper();
    return texte;
}

ReperesCharte ReperesDeLaCharte()
{
    const FenetreFigures fenetre = FenetreDesFigures();
    if (fenetre.mode == ModeLumiere::Blanche)
        return {};
    return {double(fenetre.centreBande), true};
}
