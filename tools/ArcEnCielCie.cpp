#include "ArcEnCielCie.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int premier = 400;
constexpr int dernier = 800;

// One lobe of the fit: a Gaussian with its own inverse width on each side of its centre.
double lobe(double lambda, double centre, double inverseGauche, double inverseDroite) {
    const double t = (lambda - centre) * (lambda < centre ? inverseGauche : inverseDroite);
    return std::exp(-0.5 * t * t);
}

RgbLineaire positif(const RgbLineaire &c) {
    return {std::max(c.R, 0.0), std::max(c.G, 0.0), std::max(c.B, 0.0)};
}

double plusGrand(const std::vector<RgbLineaire> &couleurs) {
    double m = 0.0;
    for (const RgbLineaire &c : couleurs)
        m = std::max({m, c.R, c.G, c.B});
    return m;
}

int echelonne(double v, double echelle) {
    return static_cast<int>(std::lround(v * echelle));
}

} // namespace

Tristimulus CorrespondanceCie1931(double lambda) {
    // Coefficients as published (inverse widths), not re-derived.
    const double x = 0.362 * lobe(lambda, 442.0, 0.0624, 0.0374) +
                     1.056 * lobe(lambda, 599.8, 0.0264, 0.0323) -
                     0.065 * lobe(lambda, 501.1, 0.0490, 0.0382);
    const double y =
        0.821 * lobe(lambda, 568.8, 0.0213, 0.0247) + 0.286 * lobe(lambda, 530.9, 0.0613, 0.0322);
    const double z =
        1.217 * lobe(lambda, 437.0, 0.0845, 0.0278) + 0.681 * lobe(lambda, 459.0, 0.0385, 0.0725);
    return {x, y, z};
}

RgbLineaire VersSrgbLineaire(const Tristimulus &t) {
    return {3.2406 * t.X - 1.5372 * t.Y - 0.4986 * t.Z, -0.9689 * t.X + 1.8758 * t.Y + 0.0415 * t.Z,
            0.0557 * t.X - 0.2040 * t.Y + 1.0570 * t.Z};
}

std::vector<LigneArcEnCiel> ArcEnCielStandard() {
    std::vector<RgbLineaire> couleurs;
    for (int lambda = premier; lambda <= dernier; ++lambda)
        couleurs.push_back(positif(VersSrgbLineaire(CorrespondanceCie1931(lambda))));
    const double echelle = 255.0 / plusGrand(couleurs);
    std::vector<LigneArcEnCiel> lignes;
    for (int k = 0; k <= dernier - premier; ++k) {
        const RgbLineaire &c = couleurs[static_cast<std::size_t>(k)];
        lignes.push_back({premier + k, echelonne(c.R, echelle), echelonne(c.G, echelle),
                          echelonne(c.B, echelle)});
    }
    return lignes;
}

std::string TexteArcEnCielStandard() {
    std::string texte = "lambda\tR\tG\tB\r\n";
    for (const LigneArcEnCiel &l : ArcEnCielStandard())
        texte += std::to_string(l.lambda) + '\t' + std::to_string(l.R) + '\t' +
                 std::to_string(l.G) + '\t' + std::to_string(l.B) + "\r\n";
    return texte;
}
