// SPDX-License-Identifier: GPL-3.0-or-later
// The interference run: parameters from the fields, sweep, strip, chart and count.
#include "MichelLevySpectre/MichelLevySpectre.h"

#include "Unit1.h"

namespace {

std::int64_t nombreLignes() { return std::int64_t{retard_max} / pas + 1; }

} // namespace

ModeLumiere ModeLumiereCourant()
{
    const bool gras = Form1 && Form1->BitBtn_laser && Form1->BitBtn_laser->font().bold();
    return gras ? ModeLumiere::Monochromatique : ModeLumiere::Blanche;
}

void LitParametres()
{
    retard_max = EntierDuChamp(Form1->Edit1, 2000);
    pas = EntierDuChamp(Form1->Edit2, 10);
    if (pas == 0)
        throw Erreur("Division par zéro : le pas doit être différent de 0");
    Form1->Label6->setText(QString::number(nombreLignes()));
}

void CalculMichelLevy()
{
    LitParametres();
    const std::int64_t n = nombreLignes();
    if (n < 0)
        throw Erreur("Le retard maximum et le pas doivent être de même signe");
    if (n > LignesInterferencesMax)
        throw Erreur("Trop de valeurs d'interférence : " + std::to_string(n) + " (au plus " +
                     std::to_string(LignesInterferencesMax) + "). Augmenter le pas.");
    tab_interferences.resize(static_cast<std::size_t>(n));
    const ModeLumiere mode = ModeLumiereCourant();
    CalculInterferences(0, retard_max, pas, tab_incidente, tab_interferences, mode);
    RetientLumiereDuCalcul(mode);
    TImage *image = Form1->Image_michel_levy;
    DessineMichelLevy(image, tab_interferences, image->width(), image->height());
    const QString lignes = QString::number(tab_interferences.size());
    TraceCourbes(2, Form1->Chart2,
                 QStringLiteral("retard en nm ") + lignes + QStringLiteral(" valeurs"));
    Form1->Label21->setText(lignes);
}
