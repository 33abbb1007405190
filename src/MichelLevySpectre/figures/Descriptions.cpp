// SPDX-License-Identifier: GPL-3.0-or-later
// What the figures say of what they show: the light, the colour mode and the settings in
// words, and the interval of the full chart's order marks.
#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "MichelLevySpectre/figures/Figures.h"

QString LumiereDeLaCharte(const FenetreFigures &fenetre)
{
    if (fenetre.mode == ModeLumiere::Monochromatique)
        return QString::fromUtf8("lumière monochromatique de %1 nm, largeur %2 nm")
            .arg(fenetre.centreBande)
            .arg(fenetre.largeurBande);
    return QString::fromUtf8("lumière blanche");
}

QString ModeEtReglages(const FenetreFigures &fenetre)
{
    const bool colorimetriques = fenetre.colorimetriques;
    return QString::fromUtf8(colorimetriques ? "couleurs colorimétriques, "
                                             : "couleurs du tableau, ") +
           QString::fromStdString(ReglagesEnMots(fenetre.microscope, colorimetriques));
}

QString DescriptionFigure(const FenetreFigures &fenetre)
{
    return LumiereDeLaCharte(fenetre) + QStringLiteral(" ; ") + ModeEtReglages(fenetre);
}

QString Capitale(QString texte)
{
    if (!texte.isEmpty())
        texte[0] = texte[0].toUpper();
    return texte;
}

ReperesCharte ReperesDeLaCharte(const FenetreFigures &fenetre)
{
    if (fenetre.mode == ModeLumiere::Blanche)
        return {};
    return {double(fenetre.centreBande), true};
}
