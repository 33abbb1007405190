// SPDX-License-Identifier: GPL-3.0-or-later
// The interference run: parameters from the fields, sweep, strip, chart and count.
#include "MichelLevySpectre.h"

#include "Unit1.h"

namespace {

std::int64_t nombreLignes() { return std::int64_t{retard_max} / pas + 1; }

} // namespace

ModeLumiere ModeLumiereCourant(const TForm1 &f)
{
    const bool gras = f.BitBtn_laser && f.BitBtn_laser->font().bold();
    return gras ? ModeLumiere::Monochromatique : ModeLumiere::Blanche;
}

void LitParametres(TForm1 &f)
{
    retard_max = EntierDuChamp(f.Edit1, 2000);
    pas = EntierDuChamp(f.Edit2, 10);
    if (pas == 0)
        throw Erreur("Division par zéro : le pas doit être différent de 0");
    f.Label6->setText(QString::number(nombreLignes()));
}

void CalculMichelLevy(TForm1 &f)
{
    LitParametres(f);
    const std::int64_t n = nombreLignes();
    if (n < 0)
        throw Erreur("Le retard maximum et le pas doivent être de même signe");
    if (n > LignesInterferencesMax)
        throw Erreur("Trop de valeurs d'interférence : " + std::to_string(n) + " (au plus " +
                     std::to_string(LignesInterferencesMax) + "). Augmenter le pas.");
    tab_interferences.resize(static_cast<std::size_t>(n));
    const ModeLumiere mode = ModeLumiereCourant(f);
    CalculInterferences(0, retard_max, pas, tab_incidente, tab_interferences, mode);
    RetientLumiereDuCalcul(mode);
    TImage *image = f.Image_michel_levy;
    DessineMichelLevy(f, image, tab_interferences, image->width(), image->height());
    const QString lignes = QString::number(tab_interferences.size());
    TraceCourbes(2, f.Chart2,
                 QStringLiteral("retard en nm ") + lignes + QStringLiteral(" valeurs"));
    f.Label21->setText(lignes);
}
