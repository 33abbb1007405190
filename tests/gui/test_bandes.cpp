// SPDX-License-Identifier: GPL-3.0-or-later
// Colour strips: the pixels are the behaviour.
#include "FenetreTest.h"

#include "EtatCalcul.h"
#include "MichelLevySpectre.h"
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

#include <QMenu>
#include <qcustomplot.h>

#include <numeric>

namespace {

Tab_RetardCouleur spectreDegrade(int n)
{
    Tab_RetardCouleur t(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        t[std::size_t(i)] = {LambdaMin + i, (i % 7) / 6.0, (i % 5) / 4.0, (i % 3) / 2.0};
    return t;
}

Tab_RetardCouleur tableInterferences(int lignes, int pas_)
{
    Tab_RetardCouleur t(static_cast<std::size_t>(lignes));
    for (int i = 0; i < lignes; ++i)
        t[std::size_t(i)] = {i * pas_, double(i % 256), double((3 * i) % 256), 7};
    return t;
}

std::uint32_t couleurLigne(const RetardCouleur &l)
{
    return CouleurValeur(ArrondiPair(l.R), ArrondiPair(l.G), ArrondiPair(l.B));
}

std::vector<std::uint32_t> pixels(const TImage *image)
{
    std::vector<std::uint32_t> p;
    for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x)
            p.push_back(image->Pixel(x, y));
    return p;
}

// The colorimetric colours of the current table for an equal-energy light over [premier, dernier].
std::vector<std::uint32_t> colorimetriques(int premier, int dernier, ModeLumiere mode)
{
    std::vector<std::int32_t> lambdas(std::size_t(dernier - premier + 1));
    std::iota(lambdas.begin(), lambdas.end(), premier);
    std::vector<std::uint32_t> valeurs;
    for (const Rgb8 &c :
         CouleursColorimetriques(lambdas, tab_interferences[1].x, tab_interferences.size(), mode))
        valeurs.push_back(CouleurValeur(c.r, c.g, c.b));
    return valeurs;
}

// Colour at the centre of each row's column, below the ticks.
void attendColonnes(const TImage *image, const std::vector<std::uint32_t> &couleurs)
{
    const double s = double(image->width()) / double(couleurs.size() - 1);
    for (std::size_t i = 0; i + 1 < couleurs.size(); ++i)
        ASSERT_EQ(image->Pixel(int(ArrondiPair(double(i) * s)), 50), couleurs[i]) << "row " << i;
}

} // namespace

using Bandes = FenetreTest;

TEST_F(Bandes, spectrum401OnTheDesignStrip_columnsAtWidthTimesIndexDiv400)
{
    ouvre();
    const Tab_RetardCouleur t = spectreDegrade(EchantillonsSpectre);
    TImage *image = f().Image_lumiere_incidente;
    ASSERT_EQ(image->width(), 593);
    DessineSpectre(f(), image, t, 400, 593, 65);
    EXPECT_EQ(f().Label10->text(), "401 valeurs");
    // Column 400 lands at x = 593, just past the strip's last pixel.
    for (int i = 0; i < 400; ++i) {
        const auto &e = t[std::size_t(i)];
        const auto attendu = CouleurValeur(Part255(e.R), Part255(e.G), Part255(e.B));
        const int x = 593 * i / 400;
        ASSERT_EQ(image->Pixel(x, 0), attendu) << i;
        ASSERT_EQ(image->Pixel(x, 64), attendu) << i;
    }
    // Pen width 2: column 400 at x = 593 also covers 594, beyond the strip; 592 belongs to 399.
    EXPECT_EQ(image->Pixel(592, 30), image->Pixel(591, 30));
}

TEST_F(Bandes, halfComponent_roundsToEven)
{
    ouvre();
    const Tab_RetardCouleur t(401, RetardCouleur{400, 1, 0.5, 0});
    DessineSpectre(f(), f().Image_lumiere_blanche, t, 400, 593, 65);
    EXPECT_EQ(f().Image_lumiere_blanche->Pixel(10, 10), 255u + 256u * 128u);
}

TEST_F(Bandes, emptyOrSingleSampleSpectrum_paintsSafely)
{
    ouvre();
    TImage *image = f().Image_lumiere_blanche;
    const std::uint32_t avant = image->Pixel(100, 10);
    DessineSpectre(f(), image, {}, -1, 593, 65);
    EXPECT_EQ(f().Label10->text(), "0 valeurs");
    EXPECT_EQ(image->Pixel(100, 10), avant);
    const Tab_RetardCouleur un(1, RetardCouleur{400, 0, 1, 0});
    DessineSpectre(f(), image, un, 0, 593, 65);
    for (int x : {0, 296, 592})
        EXPECT_EQ(image->Pixel(x, 10), 65280u);
}

TEST_F(Bandes, listingPainter_listsOnlyWhenTheSwitchIsOn)
{
    ouvre();
    Tab_RetardCouleur t(401, RetardCouleur{400, 0, 0, 0});
    t[3] = {403, 1, 0.5, 0};
    DessineSpectreListe(f(), f().Image_lumiere_blanche, t, 400, 593, 65, f().Memo_lumiere);
    EXPECT_EQ(f().Memo_lumiere->lignes(), QStringList{"Memo_lumiere"});
    f().CheckBox1->setChecked(true);
    DessineSpectreListe(f(), f().Image_lumiere_blanche, t, 400, 593, 65, f().Memo_lumiere);
    const QStringList lignes = f().Memo_lumiere->lignes();
    ASSERT_EQ(lignes.size(), 401);
    EXPECT_EQ(lignes[3], "i =3  403 --- 255  128  0");
    EXPECT_EQ(lignes[0], "i =0  400 --- 0  0  0");
    DessineSpectreListe(f(), f().Image_lumiere_blanche, {}, -1, 593, 65, f().Memo_lumiere);
    EXPECT_EQ(f().Memo_lumiere->nombreLignes(), 0);
}

TEST_F(Bandes, michelLevy301Rows_penWidth5AndTicksEvery551nm)
{
    ouvre();
    const Tab_RetardCouleur t = tableInterferences(301, 10);
    TImage *image = f().Image_michel_levy;
    ASSERT_EQ(image->width(), 1237);
    DessineMichelLevy(f(), image, t, 1237, 97);
    const int ticks[] = {231, 458, 684, 911, 1138};
    for (int x = 0; x < 1237; ++x) {
        const bool tick = std::any_of(std::begin(ticks), std::end(ticks),
                                      [x](int t0) { return x == t0 || x == t0 + 1; });
        EXPECT_EQ(image->Pixel(x, 5) == Jaune, tick) << x;
    }
    for (int tick : ticks) {
        EXPECT_EQ(image->Pixel(tick, 9), Jaune);
        EXPECT_NE(image->Pixel(tick, 10), Jaune);
    }
    // Row 56 (560 nm) is the first ticked one; W = 5 centres its column on x = 231.
    EXPECT_EQ(image->Pixel(231 - 2, 50), couleurLigne(t[56]));
    EXPECT_EQ(image->Pixel(231 + 1, 50), couleurLigne(t[56]));
    EXPECT_EQ(image->Pixel(231 + 2, 50), couleurLigne(t[57]));
}

TEST_F(Bandes, michelLevyStep1_noTickAt551ButAt552)
{
    ouvre();
    const Tab_RetardCouleur t = tableInterferences(1001, 1);
    DessineMichelLevy(f(), f().Image_michel_levy, t, 1237, 97);
    const int x551 = int(ArrondiPair(551 * 1.237)), x552 = int(ArrondiPair(552 * 1.237));
    EXPECT_NE(f().Image_michel_levy->Pixel(x551 - 1, 5), Jaune);
    EXPECT_EQ(f().Image_michel_levy->Pixel(x552, 5), Jaune);
}

TEST_F(Bandes, michelLevySixRowsBy600_everyLaterRowTicked)
{
    ouvre();
    const Tab_RetardCouleur t = tableInterferences(6, 600);
    DessineMichelLevy(f(), f().Image_michel_levy, t, 1237, 97);
    for (int x : {247, 495, 742, 990})
        EXPECT_EQ(f().Image_michel_levy->Pixel(x, 5), Jaune) << x;
    EXPECT_NE(f().Image_michel_levy->Pixel(0, 5), Jaune);
}

TEST_F(Bandes, michelLevyFewRows_wideColumnsMeetWithoutGaps)
{
    ouvre();
    TImage *image = f().Image_michel_levy;
    const Tab_RetardCouleur trois = tableInterferences(3, 10);
    DessineMichelLevy(f(), image, trois, 1237, 97);
    // s = 618.5, W = 619: columns at 0, 618 (half to even) and 1237.
    EXPECT_EQ(image->Pixel(0, 50), couleurLigne(trois[0]));
    EXPECT_EQ(image->Pixel(308, 50), couleurLigne(trois[0]));
    EXPECT_EQ(image->Pixel(309, 50), couleurLigne(trois[1]));
    EXPECT_EQ(image->Pixel(927, 50), couleurLigne(trois[1]));
    EXPECT_EQ(image->Pixel(928, 50), couleurLigne(trois[2]));
    const Tab_RetardCouleur deux = tableInterferences(2, 10);
    DessineMichelLevy(f(), image, deux, 1237, 97);
    EXPECT_EQ(image->Pixel(0, 50), couleurLigne(deux[0]));
    EXPECT_EQ(image->Pixel(618, 50), couleurLigne(deux[0]));
    EXPECT_EQ(image->Pixel(619, 50), couleurLigne(deux[1]));
    EXPECT_EQ(image->Pixel(1236, 50), couleurLigne(deux[1]));
}

TEST_F(Bandes, michelLevyOneRow_paintsItsColourAcrossTheStrip)
{
    ouvre();
    const Tab_RetardCouleur un(1, RetardCouleur{0, 10, 20, 30});
    DessineMichelLevy(f(), f().Image_michel_levy, un, 1237, 97);
    for (int x : {0, 600, 1236})
        EXPECT_EQ(f().Image_michel_levy->Pixel(x, 50), CouleurValeur(10, 20, 30));
    const std::uint32_t avant = f().Image_michel_levy->Pixel(5, 5);
    DessineMichelLevy(f(), f().Image_michel_levy, {}, 1237, 97);
    EXPECT_EQ(f().Image_michel_levy->Pixel(5, 5), avant);
}

TEST_F(Bandes, michelLevyHalfValues_roundToEven)
{
    ouvre();
    const Tab_RetardCouleur t(2, RetardCouleur{0, 127.5, 2.5, 0});
    DessineMichelLevy(f(), f().Image_michel_levy, t, 1237, 97);
    EXPECT_EQ(f().Image_michel_levy->Pixel(100, 50), CouleurValeur(128, 2, 0));
}

TEST_F(Bandes, startUpStrip_showsFirstOrderGreyWhiteYellowAtItsLeftEnd)
{
    ouvre();
    TImage *image = f().Image_michel_levy;
    const auto lum = [&](int x) {
        const Composantes c = EnComposantes(image->Pixel(x, 50));
        return c.r + c.g + c.b;
    };
    EXPECT_LT(lum(0), 30);                       // black at zero retardation
    EXPECT_GT(lum(int(250 * 1237 / 3000)), 600); // near white around 250 nm
    const Composantes jaune = EnComposantes(image->Pixel(int(400 * 1237 / 3000), 50));
    EXPECT_GT(jaune.r, jaune.b + 60); // yellow: red above blue
}

TEST_F(Bandes, colorimetricColours_repaintOnlyTheStripAndToggleBackPixelForPixel)
{
    ouvre();
    TImage *image = f().Image_michel_levy;
    const std::vector<std::uint32_t> avant = pixels(image);
    const EtatCalcul etat = EtatCalcul::de(f());
    const QCPGraph *courbe = f().Chart2->graph(0);
    const QStringList listes[] = {f().memo_interferences->lignes(), f().Memo_lumiere->lignes()};

    QAction *entree = f().MenuMichelLevy->actions().at(4); // the strip's menu
    ASSERT_TRUE(entree->isCheckable());
    entree->trigger();
    ASSERT_TRUE(f().reglages().couleursColorimetriques());
    attendColonnes(image, colorimetriques(400, 800, ModeLumiere::Blanche));
    EXPECT_EQ(image->Pixel(int(ArrondiPair(92 * 1237.0 / 500)), 5), Jaune); // 552 nm ticked
    EXPECT_TRUE(memesAffichages(etat, EtatCalcul::de(f())));
    EXPECT_EQ(f().Chart2->graph(0), courbe); // not re-plotted
    EXPECT_EQ(f().memo_interferences->lignes(), listes[0]);
    EXPECT_EQ(f().Memo_lumiere->lignes(), listes[1]);

    entree->trigger();
    EXPECT_FALSE(f().reglages().couleursColorimetriques());
    EXPECT_EQ(pixels(image), avant);
}

TEST_F(Bandes, colorimetricColours_laterRunsFollow_theBandKeepsSamplesTheFileLeavesDark)
{
    ouvre();
    f().reglages().choisitCouleursColorimetriques(true);
    f().BitBtn_laser->click();
    f().Edit3->setText("750"); // the rainbow file is black beyond 726 nm
    tape(f().Edit4, "10");
    ASSERT_EQ(ModeLumiereCourant(f()), ModeLumiere::Monochromatique);
    ASSERT_EQ(tab_interferences[100].R + tab_interferences[100].G + tab_interferences[100].B, 0);
    const std::vector<std::uint32_t> attendues =
        colorimetriques(746, 755, ModeLumiere::Monochromatique);
    attendColonnes(f().Image_michel_levy, attendues);
    EXPECT_NE(attendues[100], 0u);
}
