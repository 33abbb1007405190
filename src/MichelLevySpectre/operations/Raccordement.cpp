// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings and the figures learn of the window, through the links they offer: they
// sit below it and never name it.
#include "MichelLevySpectre/MichelLevySpectre.h"

#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "Unit1.h"

namespace {

FenetreFigures fenetreActuelle()
{
    if (!Form1)
        return {};
    FenetreFigures f;
    f.mode = ModeLumiereCourant();
    f.centreBande = EntierDuChamp(Form1->Edit3, f.centreBande);
    f.largeurBande = EntierDuChamp(Form1->Edit4, f.largeurBande);
    f.spectreDuFichier = Form1->RadioGroup1->ItemIndex() == 0;
    f.courbesIncidentes = Form1->Chart1;
    f.courbesInterferences = Form1->Chart2;
    f.bande = Form1->Image_michel_levy;
    return f;
}

// A new colour mode or microscope setting repaints the strip from the current table.
void repeintBande()
{
    TImage *image = Form1 ? Form1->Image_michel_levy : nullptr;
    if (image)
        DessineMichelLevy(image, tab_interferences, image->width(), image->height());
}

} // namespace

void RaccordeFenetre()
{
    SuitChoixReglages(repeintBande);
    InstalleFenetreFigures(fenetreActuelle);
}
