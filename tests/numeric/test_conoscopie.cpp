// SPDX-License-Identifier: GPL-3.0-or-later
// Conoscopic figures: the fast colours against the stage's own chain, and what a student checks
// on a figure (dark cross, optic sign with the λ plate, Mallard's law), and the exercise.
#include "MichelLevySpectre/conoscopie/CoupeDuGrain.h"
#include "MichelLevySpectre/conoscopie/ExerciceSigne.h"
#include "MichelLevySpectre/conoscopie/FigureConoscopique.h"
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/grains/Exercice.h"
#include "MichelLevySpectre/optique/GrainPlatine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

Rgb8 pixel(const ImageFigure &f, int colonne, int ligne)
{
    const std::uint8_t *o =
        f.rgba.data() + 4 * (std::size_t(ligne) * std::size_t(f.cote) + std::size_t(colonne));
    return {o[0], o[1], o[2]};
}

int ecart(const Rgb8 &a, const Rgb8 &b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

ImageFigure figure(const Grain &grain, double lame, int cote)
{
    const Conoscope c;
    return DessineFigure(PrepareLumiereConoscopie({}, lame, RetardMaxFigure(grain.indices, c)),
                         grain, c, cote);
}

// Uniaxial closed forms: the extraordinary index 1/n² = cos²θ/ω² + sin²θ/ε² (θ from the optic
// axis c), the e-wave vibrating in the plane of k and c, the o-wave across it.
TEST(Conoscopie, twoWavesOfAUniaxialGrainInAnyDirection_closedForms)
{
    for (const auto &[w, e] : {std::pair{1.544, 1.553}, {1.658, 1.486}})
        for (const auto &[inclinaison, platine] :
             {std::pair{0.0, 0.0}, {25.0, 33.0}, {-60.0, 290.0}, {10.0, 160.0}}) {
            const OrientationGrain o{SectionGrain::Inclinee, inclinaison, platine};
            const IndicesPrincipaux n = IndicesUniaxe(w, e);
            const Matrice3 axes = AxesIndicatrice(n, o);
            const int axe = e > w ? 2 : 0; // Z, or X of a negative mineral
            const double c[3] = {axes[0][axe], axes[1][axe], axes[2][axe]};
            for (const PointChamp p : {PointChamp{0.3, 0.7}, {-0.8, 0.1}, {0.05, -0.5}}) {
                const DirectionOnde k = DirectionDuPoint(p.x, p.y, 0.85, IndiceMoyen(n));
                const DeuxOndes ondes = OndesDeLaDirection(FormeIndicatrice(n, o), k);
                const double cosT = c[0] * k.x + c[1] * k.y + c[2] * k.z;
                const double ne =
                    1 / std::sqrt(cosT * cosT / (w * w) + (1 - cosT * cosT) / (e * e));
                EXPECT_NEAR(ondes.lente, std::max(w, ne), 1e-12);
                EXPECT_NEAR(ondes.rapide, std::min(w, ne), 1e-12);
                // The e-wave's vibration: c less its part along k; the o-wave's: k × c.
                const double ev[3] = {c[0] - cosT * k.x, c[1] - cosT * k.y, c[2] - cosT * k.z};
                const double ov[3] = {k.y * c[2] - k.z * c[1], k.z * c[0] - k.x * c[2],
                                      k.x * c[1] - k.y * c[0]};
                const double *lente = e > w ? ev : ov;
                EXPECT_NEAR(ondes.lenteX * lente[1] - ondes.lenteY * lente[0], 0, 1e-9)
                    << w << " " << inclinaison << "° " << platine << "°";
            }
        }
}

// Five table readings give what the stage's chain gives over the 401 wavelengths.
// Sections through a grain's length: the one of greatest birefringence (φ 0) shows γ − α and
// the published angle; the one holding the length and Y (φ 90, like (100) of a monoclinic
// prism) extinguishes straight, between nβ and the index of a wave vibrating along the length,
// 1/n² = sin²l/nα² + cos²l/nγ²; sections φ and 180° − φ are mirror images; a uniaxial grain
// along its axis is the same in every section.
TEST(Conoscopie, sectionsThroughTheLength_maxOnXZ_straightWithY_judgedInTheExercise)
{
    const IndicesPrincipaux n{1.560, 1.594, 1.600};
    const CoupeDuGrain xz = CoupeTournee(n, 40, 0);
    EXPECT_NEAR(xz.delta, 0.040, 1e-9);
    EXPECT_NEAR(xz.lente, 40, 1e-9);
    const double l = 40 * std::numbers::pi / 180;
    const double nL =
        1 / std::sqrt(std::pow(std::sin(l) / n.alpha, 2) + std::pow(std::cos(l) / n.gamma, 2));
    const CoupeDuGrain avecY = CoupeTournee(n, 40, 90);
    EXPECT_NEAR(avecY.delta, std::abs(nL - n.beta), 1e-9);
    EXPECT_NEAR(avecY.lente, nL > n.beta ? 0 : 90, 1e-6);
    for (const double phi : {30.0, 60.0, 120.0}) {
        const CoupeDuGrain c = CoupeTournee(n, 40, phi), miroir = CoupeTournee(n, 40, 180 - phi);
        EXPECT_LT(c.delta, xz.delta) << phi;
        EXPECT_NEAR(c.delta, miroir.delta, 1e-12) << phi; // mirrored across the plane of X, Z
        EXPECT_NEAR(c.lente, -miroir.lente, 1e-9) << phi;
        const CoupeDuGrain quartz = CoupeTournee(IndicesUniaxe(1.544, 1.553), 0, phi);
        EXPECT_NEAR(quartz.delta, 0.009, 1e-9) << phi;
        EXPECT_NEAR(quartz.lente, 0, 1e-6) << phi;
    }
    // The exercise's grain in that section: straight extinction, length-fast, δ′ 0.0109 of a
    // mineral of δ 0.040; a class is right from the section's (moyenne) to the mineral's (forte).
    Mineral m;
    m.nom = "x", m.deltaMax = 0.040;
    const GrainDessine g = DansLaCoupe({nullptr, 0.040, 1200, 40}, n, 90);
    EXPECT_NEAR(g.retard, 1200 * avecY.delta / 0.040, 1e-9);
    const Exercice e{m, {}, {}, 0, 90.0};
    for (int classe = 0; classe < 4; ++classe) {
        const Correction c = Corrige(e, g, {0, "allongement négatif (rapide)", classe, "x"});
        EXPECT_TRUE(c.extinction && c.allongement && c.mineral);
        EXPECT_EQ(c.classe, classe == 1 || classe == 2) << classe;
    }
}

TEST(Conoscopie, decompositionIsTheStagesJonesChainSummedOverTheSpectrum)
{
    for (const MontagePlatine &m : {MontagePlatine{0, 10, 551, true},
                                    {420.25, 22.5, 551, true},
                                    {800, 133.3, 147, false},
                                    {1710.7, -61, 1234.5, true}})
        for (const SourceLumineuse s : {SourceLumineuse::EgaleEnergie, SourceLumineuse::Halogene}) {
            const ReglagesMicroscope r{
                s, {}, {}, {}, m.croises ? Polariseurs::Croises : Polariseurs::Paralleles};
            const Rgb8 vite =
                EncodeDansGamut(LumiereVue(PrepareLumiereConoscopie(r, m.retardLame, m.retardGrain),
                                           m.retardGrain, m.angleGrain));
            EXPECT_LE(ecart(vite, VoitPlatine(PrepareLumierePlatine(r), m).couleur), 2)
                << m.retardGrain << " nm, " << m.angleGrain << "°";
        }
}

// Calcite (ω 1.658, ε 1.486), c vertical: at stage 0 the cross lies on the polarisers, the
// centre is dark, a quarter turn gives the same picture, and each diagonal pixel is the stage's
// colour of the closed-form retardation of a uniaxial grain.
TEST(Conoscopie, calciteOpticAxis_darkCrossFourFoldAndDiagonalsAsTheStage)
{
    const double w = 1.658, e = 1.486;
    const Grain calcite{IndicesUniaxe(w, e), {}};
    const int n = 256;
    const ImageFigure f = figure(calcite, 0, n);
    int diagonales = 0;
    const LumierePlatine platine = PrepareLumierePlatine({});
    const double moyen = (2 * w + e) / 3;
    for (int c = 0; c < n; ++c)
        for (int l = 0; l < n; ++l) {
            const Rgb8 p = pixel(f, c, l);
            ASSERT_LE(ecart(p, pixel(f, l, n - 1 - c)), 1) << c << ", " << l;
            const PointChamp q = PointDuPixel(c, l, n);
            const double rho = std::hypot(q.x, q.y);
            if (rho > 1)
                continue;
            if (rho < 1.5 / n) { // the four pixels about the centre
                EXPECT_LE(std::max({p.r, p.g, p.b}), 2) << c << ", " << l;
            }
            // Beside the polarisers' lines, half a pixel off them.
            if (rho > 0.3 && std::min(std::abs(q.x), std::abs(q.y)) < 1.5 / n) {
                EXPECT_LE(std::max({p.r, p.g, p.b}), 10) << c << ", " << l;
            }
            if (c != l && c != n - 1 - l)
                continue;
            const double t = std::asin(0.85 * rho / moyen);
            const double ne = 1 / std::hypot(std::cos(t) / w, std::sin(t) / e);
            const double retard = 30000 * (w - ne) / std::cos(t);
            const Rgb8 attendu =
                VoitPlatine(platine, {retard, q.x * q.y > 0 ? 135.0 : 45.0, 0, true}).couleur;
            EXPECT_LE(DeltaE2000(SrgbVersLab(p), SrgbVersLab(attendu)), 1.0) << rho;
            ++diagonales;
        }
    EXPECT_GT(diagonales, n);
}

// Slow NE–SW: the e-ray vibrates radially, so a positive mineral adds in NE and SW and goes
// to second-order blue there, first-order yellow in NW and SE; a negative one the other way.
// Quartz at ρ 0.8 and calcite at ρ 0.25 show about 100 nm.
TEST(Conoscopie, lambdaPlateAddsInTheQuadrantsOfTheSign)
{
    const int n = 200;
    for (const auto &[w, e, rho] : {std::tuple{1.544, 1.553, 0.8}, {1.658, 1.486, 0.25}}) {
        const ImageFigure f = figure({IndicesUniaxe(w, e), {}}, RetardLameTeinteSensible, n);
        const int d = int(std::lround(rho / std::numbers::sqrt2 * n / 2));
        for (const auto &[est, nord] : {std::pair{1, 1}, {-1, -1}, {-1, 1}, {1, -1}}) {
            const Rgb8 p =
                pixel(f, est > 0 ? n / 2 + d : n / 2 - 1 - d, nord > 0 ? n / 2 - 1 - d : n / 2 + d);
            if ((est == nord) == (e > w)) // NE and SW for a positive mineral
                EXPECT_GT(p.b, p.r + 40) << w << " " << est << ", " << nord;
            else
                EXPECT_GT(p.r, p.b + 40) << w << " " << est << ", " << nord;
        }
    }
}

// At 45° the optic plane runs NE–SW and the melatopes, where Δ = 0, are its darkest points:
// Mallard's law puts them at sin E = nβ sin V, ρ = sin E / NA.
TEST(Conoscopie, acuteBisectrixAt45_melatopesWhereMallardPutsThem)
{
    const double a = 1.560, b = 1.594, g = 1.600;
    const int n = 256;
    const ImageFigure f = figure({{a, b, g}, {SectionGrain::BissectriceAigue, 0, 45}}, 0, n);
    // V about the acute bisectrix X, from tan² V_x = (1/nβ² − 1/nγ²) / (1/nα² − 1/nβ²).
    const double v =
        std::atan(std::sqrt((1 / (b * b) - 1 / (g * g)) / (1 / (a * a) - 1 / (b * b))));
    const double mallard = b * std::sin(v) / 0.85;
    for (const int sens : {1, -1}) { // NE, then SW
        int meilleur = 0, plusSombre = 3 * 255 + 1;
        for (int k = 0; k < n / 2; ++k) {
            const int c = sens > 0 ? n / 2 + k : n / 2 - 1 - k;
            const Rgb8 p = pixel(f, c, n - 1 - c);
            if (p.r + p.g + p.b < plusSombre)
                plusSombre = p.r + p.g + p.b, meilleur = c;
        }
        const PointChamp q = PointDuPixel(meilleur, n - 1 - meilleur, n);
        EXPECT_NEAR(std::hypot(q.x, q.y), mallard, 0.06) << sens;
        EXPECT_LT(plusSombre, 15);
    }
}

} // namespace

// The exercise: a seed gives the same grain, only from rows with indices; each answer judged on
// the mineral's own character, sign and 2V class.
TEST(Conoscopie, exerciseJudgesEachAnswerOnTheMineral)
{
    Mineral calcite{"calcite", 0.172, 0.172, CaractereOptique::Uniaxe};
    calcite.indices = {{1.658, 1.658}, {1.486, 1.486}};
    calcite.signe = -1;
    Mineral muscovite{"muscovite", 0.036, 0.049, CaractereOptique::Biaxe};
    muscovite.indices = {{1.552, 1.576}, {1.582, 1.615}, {1.587, 1.618}};
    muscovite.signe = -1;
    muscovite.deuxV = Intervalle{30, 47};
    const Mineral sansIndices{"biotite", 0.03, 0.07, CaractereOptique::Biaxe};
    const std::vector<Mineral> table{sansIndices, calcite, muscovite};
    EXPECT_FALSE(TireExercice(std::span(table).first(1), 1));
    for (std::uint32_t graine = 0; graine < 20; ++graine) {
        const ExerciceSigne e = *TireExercice(table, graine);
        EXPECT_NE(e.mineral.nom, "biotite");
        EXPECT_EQ(TireExercice(table, graine)->grain.orientation.platine,
                  e.grain.orientation.platine);
    }
    const ExerciceSigne uniaxe{calcite, {IndicesUniaxe(1.658, 1.486), {}}};
    const ExerciceSigne biaxe{muscovite, {*IndicesDuMineral(muscovite), {}}};
    using C = ClasseDeuxV;
    struct Cas {
        const ExerciceSigne &exercice;
        ReponseSigne reponse;
        bool caractere, signe, deuxV;
    };
    for (const Cas &c : {Cas{uniaxe, {false, false, C::MoinsDe30}, true, true, true},
                         Cas{uniaxe, {true, true, C::De30A60}, false, false, false},
                         Cas{biaxe, {true, false, C::De30A60}, true, true, true},
                         Cas{biaxe, {false, true, C::PlusDe60}, false, false, false}}) {
        const JugementSigne j = JugeReponse(c.exercice, c.reponse, 0.85);
        EXPECT_EQ(j.caractere.juste, c.caractere) << j.caractere.pourquoi;
        EXPECT_EQ(j.signe.juste, c.signe) << j.signe.pourquoi;
        EXPECT_EQ(j.deuxV.juste, c.deuxV) << j.deuxV.pourquoi;
        EXPECT_EQ(j.signe.pourquoi.rfind(c.signe ? "Juste : " : "Non : ", 0), 0u);
    }
    EXPECT_NE(JugeReponse(biaxe, {}, 0.85).deuxV.pourquoi.find("2V vaut environ"),
              std::string::npos);
}
