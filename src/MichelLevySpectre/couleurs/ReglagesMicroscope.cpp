// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"

#include <algorithm>
#include <cmath>
#include <vector>

double RetardLame(LameAuxiliaire lame, double biseau)
{
    switch (lame) {
    case LameAuxiliaire::TeinteSensible:
        return RetardLameTeinteSensible;
    case LameAuxiliaire::QuartDOnde:
        return RetardLameQuartDOnde;
    case LameAuxiliaire::Biseau:
        return std::clamp(biseau, 0.0, BiseauMax);
    case LameAuxiliaire::Aucune:
        break;
    }
    return 0.0;
}

double RetardVu(double retard, const ReglagesMicroscope &reglages)
{
    const double gamma = RetardLame(reglages.lame);
    return std::abs(reglages.sens == SensLame::Addition ? retard + gamma : retard - gamma);
}

namespace {

std::string nomSource(SourceLumineuse source)
{
    switch (source) {
    case SourceLumineuse::D65:
        return "lumière du jour D65";
    case SourceLumineuse::Halogene:
        return "lampe halogène 3200 K";
    case SourceLumineuse::IlluminantA:
        return "illuminant A 2856 K";
    case SourceLumineuse::EgaleEnergie:
        break;
    }
    return "";
}

std::string nomLame(const ReglagesMicroscope &r)
{
    const std::string sens = r.sens == SensLame::Addition ? "en addition" : "en soustraction";
    switch (r.lame) {
    case LameAuxiliaire::TeinteSensible:
        return "lame λ " + sens;
    case LameAuxiliaire::QuartDOnde:
        return "lame λ/4 " + sens;
    case LameAuxiliaire::Biseau:
        return "biseau de quartz " + sens;
    case LameAuxiliaire::Aucune:
        break;
    }
    return "";
}

std::string joint(const std::vector<std::string> &parties)
{
    std::string texte;
    for (const std::string &p : parties)
        if (!p.empty())
            texte += (texte.empty() ? "" : ", ") + p;
    return texte;
}

} // namespace

std::string ReglagesEnMots(const ReglagesMicroscope &r, bool colorimetriques)
{
    std::vector<std::string> parties;
    if (colorimetriques) // the table's colours know neither the lamp nor the viewer
        parties.push_back(LampeEtVisionEnMots(r));
    parties.push_back(r.polariseurs == Polariseurs::Croises ? "polariseurs croisés"
                                                            : "polariseurs parallèles");
    parties.push_back(r.lame == LameAuxiliaire::Aucune ? "sans lame" : nomLame(r));
    return joint(parties);
}

std::string LampeEtVisionEnMots(const ReglagesMicroscope &r)
{
    return joint({r.source == SourceLumineuse::EgaleEnergie ? "égale énergie" : nomSource(r.source),
                  r.vision == Vision::OeilAdapte ? "œil adapté"
                                                 : "appareil photo réglé en lumière du jour"});
}
