// SPDX-License-Identifier: GPL-3.0-or-later
// What the full chart says of the light that made its table: the title's words and the
// interval of its order marks.
#include "MichelLevySpectre/MichelLevySpectre.h"
#include "MichelLevySpectre/qt/Figures.h"
#include "Unit1.h"

QString LumiereDeLaCharte()
{
    if (ModeLumiereCourant() == ModeLumiere::Monochromatique)
        return QString::fromUtf8("lumière monochromatique de %1 nm, largeur %2 nm")
            .arg(EntierDuChamp(Form1->Edit3, 550))
            .arg(EntierDuChamp(Form1->Edit4, 2));
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
    if (ModeLumiereCourant() == ModeLumiere::Blanche)
        return {};
    return {double(EntierDuChamp(Form1->Edit3, 550)), true};
}
