// SPDX-License-Identifier: GPL-3.0-or-later
// What the figures learn of the window: they sit below it and never name it.
#include "MichelLevySpectre.h"
#include "Unit1.h"

FenetreFigures FenetrePourLesFigures(const TForm1 &f)
{
    FenetreFigures figures;
    figures.mode = ModeLumiereCourant(f);
    figures.centreBande = EntierDuChamp(f.Edit3, figures.centreBande);
    figures.largeurBande = EntierDuChamp(f.Edit4, figures.largeurBande);
    figures.spectreDuFichier = f.RadioGroup1->ItemIndex() == 0;
    figures.colorimetriques = f.reglages().couleursColorimetriques();
    figures.microscope = f.reglages().microscope();
    figures.mineraux = f.reglages().mineraux();
    figures.courbesIncidentes = f.Chart1;
    figures.courbesInterferences = f.Chart2;
    figures.bande = f.Image_michel_levy;
    return figures;
}
