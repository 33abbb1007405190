// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/grains/Pleochroisme.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/grains/TableGrains.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double EpaisseurReference = 30.0;                           // µm
constexpr std::array<double, 3> LongueursCanaux{610.0, 540.0, 450.0}; // nm: red, green, blue

struct MotCouleur {
    std::string_view mot;
    std::array<double, 3> transmission;
};

constexpr MotCouleur Mots[] = {
    {"incolore", {1.00, 1.00, 1.00}},      {"jaune pâle", {0.95, 0.92, 0.65}},
    {"jaune", {0.90, 0.80, 0.35}},         {"brun pâle", {0.80, 0.65, 0.45}},
    {"brun jaune", {0.70, 0.50, 0.20}},    {"brun", {0.55, 0.32, 0.15}},
    {"brun foncé", {0.25, 0.12, 0.05}},    {"vert pâle", {0.80, 0.92, 0.78}},
    {"vert", {0.35, 0.60, 0.35}},          {"vert foncé", {0.12, 0.30, 0.14}},
    {"jaune foncé", {0.80, 0.60, 0.15}},   {"brun jaune pâle", {0.85, 0.75, 0.55}},
    {"brun gris", {0.55, 0.45, 0.38}},     {"brun rouge foncé", {0.40, 0.12, 0.06}},
    {"rouge", {0.85, 0.30, 0.30}},         {"gris bleu", {0.65, 0.72, 0.82}},
    {"bleu", {0.45, 0.60, 0.90}},          {"vert bleu foncé", {0.10, 0.35, 0.35}},
    {"vert émeraude", {0.25, 0.65, 0.45}}, {"vert herbe", {0.40, 0.70, 0.25}},
    {"vert brunâtre", {0.50, 0.55, 0.30}},
};

// The intensity transmission at λ: the channels joined by straight lines, flat beyond.
double transmissionA(const std::array<double, 3> &t, double lambda)
{
    if (lambda >= LongueursCanaux[0])
        return t[0];
    if (lambda <= LongueursCanaux[2])
        return t[2];
    const std::size_t i = lambda >= LongueursCanaux[1] ? 0 : 1;
    const double f = (LongueursCanaux[i] - lambda) / (LongueursCanaux[i] - LongueursCanaux[i + 1]);
    return t[i] + f * (t[i + 1] - t[i]);
}

// The amplitude a nanometre over the spectrum: the square root of the intensity, thickness
// taken in by Beer–Lambert.
std::vector<double> amplitudes(const std::array<double, 3> &t, double epaisseur)
{
    std::vector<double> a(EchantillonsSpectre);
    for (std::size_t k = 0; k < a.size(); ++k)
        a[k] = std::pow(transmissionA(t, double(LambdaMin + int(k))),
                        0.5 * epaisseur / EpaisseurReference);
    return a;
}

} // namespace

std::optional<std::array<double, 3>> TransmissionCouleur(std::string_view mot)
{
    if (mot.empty())
        return std::array{1.0, 1.0, 1.0};
    const auto m = std::find_if(std::begin(Mots), std::end(Mots),
                                [&](const MotCouleur &c) { return c.mot == mot; });
    if (m == std::end(Mots))
        return std::nullopt;
    return m->transmission;
}

std::optional<AbsorptionGrain> AbsorptionDuGrain(const FicheGrain &fiche, double epaisseur)
{
    const auto rapide = TransmissionCouleur(fiche.couleurs[0]);
    const auto lente = TransmissionCouleur(fiche.couleurs[2]);
    const std::array blanc{1.0, 1.0, 1.0};
    if (!rapide || !lente || (*rapide == blanc && *lente == blanc))
        return std::nullopt;
    return AbsorptionGrain{double(LambdaMin), amplitudes(*lente, epaisseur),
                           amplitudes(*rapide, epaisseur)};
}
