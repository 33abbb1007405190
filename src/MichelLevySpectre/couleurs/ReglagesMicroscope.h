// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The microscope's settings that change the colours seen: the lamp, the viewer, an accessory
// plate and the polarisers. The defaults are the program's light at start. No Qt here.
#include <string>

enum class SourceLumineuse { EgaleEnergie, D65, Halogene, IlluminantA };
// How the lamp's white is seen: by an adapted eye (Bradford transform to D65) or by a camera
// set to daylight (no adaptation).
enum class Vision { OeilAdapte, AppareilLumiereDuJour };
// The quartz wedge is the stage's only: the strip has no place where it is pushed in.
enum class LameAuxiliaire { Aucune, TeinteSensible, QuartDOnde, Biseau };
enum class SensLame { Addition, Soustraction };
enum class Polariseurs { Croises, Paralleles };

struct ReglagesMicroscope {
    SourceLumineuse source = SourceLumineuse::EgaleEnergie;
    Vision vision = Vision::OeilAdapte;
    LameAuxiliaire lame = LameAuxiliaire::Aucune;
    SensLame sens = SensLame::Addition;
    Polariseurs polariseurs = Polariseurs::Croises;
    bool operator==(const ReglagesMicroscope &) const = default;
};

// Γ of the accessory plates, in nm.
inline constexpr double RetardLameTeinteSensible = 551.0;
inline constexpr double RetardLameQuartDOnde = 147.0;

inline constexpr double BiseauMax = 2000.0; // nm, the quartz wedge's thick end

// Γ of the plate, nm: `biseau` where the wedge is pushed in, 0 for none.
double RetardLame(LameAuxiliaire lame, double biseau = 0);

// The retardation whose colour a plate of retardation Δ shows with the accessory plate:
// |Δ + Γ| in addition, |Δ − Γ| in subtraction.
double RetardVu(double retard, const ReglagesMicroscope &reglages);

// Every setting that acts on the colours, in words, for instance "égale énergie, œil adapté,
// polariseurs croisés, sans lame"; the table's colours follow only the polarisers and the plate.
std::string ReglagesEnMots(const ReglagesMicroscope &reglages, bool colorimetriques);

// The lamp and the viewer alone: "égale énergie, œil adapté".
std::string LampeEtVisionEnMots(const ReglagesMicroscope &reglages);
