// SPDX-License-Identifier: GPL-3.0-or-later
// The strip in colorimetric colours under each lamp and viewer, against a rendering written
// here from the CIE tables in data/ alone.
#include "FenetreTest.h"

#include "EtatCalcul.h"
#include "MichelLevySpectre/figures/Figures.h"
#include "MichelLevySpectre/reglages/Preferences.h"
#include "MichelLevySpectre/reglages/Reglages.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// Resolved (drive included) before a test moves into its temporary folder, which on Windows
// is on another drive.
const QDir DossierDonnees(QDir(QStringLiteral(PRISMELLE_DATA_DIR)).canonicalPath());

// The rows of a CIE file in data/, comments and header left out.
std::vector<std::vector<double>> tableCie(const char *nom)
{
    QFile f(DossierDonnees.filePath(QString::fromUtf8(nom)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nom;
    std::vector<std::vector<double>> lignes;
    for (const QByteArray &l : f.readAll().split('\n')) {
        if (l.isEmpty() || l.startsWith('#') || l.startsWith("lambda"))
            continue;
        std::vector<double> v;
        for (const QByteArray &c : l.split(','))
            v.push_back(c.toDouble());
        lignes.push_back(v);
    }
    return lignes;
}

// What the crossed polarisers pass at Δ in white light, as linear sRGB, written from the CIE
// tables on their own: the source's power (D65 table, Planck's law), the observer, Bradford.
RgbLineaire rendu(double delta, const ReglagesMicroscope &r)
{
    static const auto cmf = tableCie("cie1931-2deg-1nm.csv");
    static const auto d65 = tableCie("cie-d65-10nm.csv");
    const auto puissance = [&](double l) {
        if (r.source == SourceLumineuse::D65) {
            const std::size_t k = std::min<std::size_t>(std::size_t(l - 380) / 10, 39);
            const double t = std::min(1.0, (l - 380 - 10.0 * double(k)) / 10);
            return d65[k][1] + t * (d65[k + 1][1] - d65[k][1]);
        }
        return r.source == SourceLumineuse::Halogene
                   ? 1 / (std::pow(l, 5) * std::expm1(1.4388e7 / (3200 * l)))
                   : 1.0;
    };
    double s[3] = {}, w[3] = {};
    for (int l = 400; l <= 800; ++l) {
        const double p = puissance(l), sin2 = std::pow(std::sin(std::numbers::pi * delta / l), 2);
        for (int c = 0; c < 3; ++c) {
            w[c] += cmf[std::size_t(l - 380)][std::size_t(c + 1)] * p;
            s[c] += cmf[std::size_t(l - 380)][std::size_t(c + 1)] * p * sin2;
        }
    }
    double xyz[3] = {s[0] / w[1], s[1] / w[1], s[2] / w[1]};
    if (r.vision == Vision::OeilAdapte) {
        const double m[3][3] = {
            {0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}};
        const double d65Blanc[3] = {0.95047, 1.0, 1.08883};
        double cone[3], gain[3];
        for (int i = 0; i < 3; ++i) {
            double de = 0, vers = 0;
            cone[i] = 0;
            for (int j = 0; j < 3; ++j) {
                de += m[i][j] * w[j] / w[1], vers += m[i][j] * d65Blanc[j];
                cone[i] += m[i][j] * xyz[j];
            }
            gain[i] = vers / de;
        }
        const double inverse[3][3] = {{0.9869929, -0.1470543, 0.1599627},
                                      {0.4323053, 0.5183603, 0.0492912},
                                      {-0.0085287, 0.0400428, 0.9684867}};
        for (int i = 0; i < 3; ++i)
            xyz[i] = inverse[i][0] * cone[0] * gain[0] + inverse[i][1] * cone[1] * gain[1] +
                     inverse[i][2] * cone[2] * gain[2];
    }
    const auto srgb = [](const double *t) {
        return RgbLineaire{3.2406 * t[0] - 1.5372 * t[1] - 0.4986 * t[2],
                           -0.9689 * t[0] + 1.8758 * t[1] + 0.0415 * t[2],
                           0.0557 * t[0] - 0.2040 * t[1] + 1.0570 * t[2]};
    };
    RgbLineaire c = srgb(xyz);
    if (r.vision == Vision::AppareilLumiereDuJour) { // exposed for the lamp's white
        const double blanc[3] = {w[0] / w[1], 1.0, w[2] / w[1]};
        const RgbLineaire b = srgb(blanc);
        const double plein = std::max({b.R, b.G, b.B});
        c = {c.R / plein, c.G / plein, c.B / plein};
    }
    return c;
}

using Microscope = FenetreTest;

} // namespace

TEST_F(Microscope, colorimetricColours_matchTheCieTablesUnderEachLightAndViewer)
{
    ouvre();
    tape(f().Edit1, "3000");
    f().reglages().choisitCouleursColorimetriques(true);
    TImage *image = f().Image_michel_levy;
    const double s = double(image->width()) / double(tab_interferences.size() - 1);
    for (const SourceLumineuse source :
         {SourceLumineuse::EgaleEnergie, SourceLumineuse::D65, SourceLumineuse::Halogene})
        for (const Vision vision : {Vision::OeilAdapte, Vision::AppareilLumiereDuJour}) {
            const ReglagesMicroscope r{source, vision};
            f().reglages().choisitMicroscope(r);
            double somme = 0;
            int n = 0;
            for (std::size_t i = 0; i < tab_interferences.size(); ++i) {
                const RgbLineaire c = rendu(tab_interferences[i].x, r);
                if (std::min({c.R, c.G, c.B}) < 0 || std::max({c.R, c.G, c.B}) > 1)
                    continue;
                const Composantes p =
                    EnComposantes(image->Pixel(int(ArrondiPair(double(i) * s)), 50));
                const Rgb8 vu{std::uint8_t(p.r), std::uint8_t(p.g), std::uint8_t(p.b)};
                somme += DeltaEab(SrgbVersLab(vu),
                                  SrgbVersLab({OctetSrgb(c.R), OctetSrgb(c.G), OctetSrgb(c.B)}));
                ++n;
            }
            SCOPED_TRACE(ReglagesEnMots(r, true));
            EXPECT_GT(n, int(tab_interferences.size()) / 2); // most rows are in the gamut
            EXPECT_LE(somme / n, 1.0);
        }
}

TEST_F(Microscope, plateEntry_changesTheStripAndTheChartTitleOnly_itsTickFollows)
{
    ouvre();
    const auto bande = [&] {
        std::vector<std::uint32_t> p;
        for (int x = 0; x < f().Image_michel_levy->width(); ++x)
            p.push_back(f().Image_michel_levy->Pixel(x, 50));
        return p;
    };
    const std::vector<std::uint32_t> avant = bande();
    const EtatCalcul etat = EtatCalcul::de(f());
    const QList<QAction *> entrees = f().MenuMichelLevy->actions();
    QMenu *lame = (*std::find_if(entrees.begin(), entrees.end(), [](QAction *a) {
                      return a->text() == QString::fromUtf8("Lame auxiliaire");
                  }))->menu();
    ASSERT_NE(lame, nullptr);
    const auto coches = [&] {
        emit lame->aboutToShow();
        QString c;
        for (const QAction *a : lame->actions())
            c += a->isSeparator() ? '|' : a->isChecked() ? 'x' : '.';
        return c.toStdString();
    };
    EXPECT_EQ(coches(), "x..|x.");
    lame->actions().at(1)->trigger(); // the sensitive-tint plate
    EXPECT_EQ(f().reglages().microscope().lame, LameAuxiliaire::TeinteSensible);
    EXPECT_EQ(coches(), ".x.|x.");
    EXPECT_NE(bande(), avant);
    EXPECT_TRUE(memesAffichages(etat, EtatCalcul::de(f())));
    EXPECT_EQ(DescriptionFigure(FenetrePourLesFigures(f())).toStdString(),
              "lumière blanche ; couleurs du tableau, polariseurs croisés, lame λ en addition");
    lame->actions().at(0)->trigger();
    EXPECT_EQ(bande(), avant);
    EXPECT_EQ(DescriptionFigure(FenetrePourLesFigures(f())).toStdString(),
              "lumière blanche ; couleurs du tableau, polariseurs croisés, sans lame");
}

// What the strip's menu sets is kept for the next run; its last entry puts the program's own
// back and forgets it; a damaged settings file gives the program's own.
TEST_F(Microscope, settingsKeptBetweenRuns_resetByTheMenu_damagedFileGivesDefaults)
{
    ouvre();
    const QList<QAction *> entrees = f().MenuMichelLevy->actions();
    const auto entree = [&](const char *texte) {
        return *std::find_if(entrees.begin(), entrees.end(), [&](QAction *a) {
            return a->text().startsWith(QString::fromUtf8(texte));
        });
    };
    const auto origine = [this] {
        return !f().reglages().couleursColorimetriques() &&
               f().reglages().microscope() == ReglagesMicroscope{} &&
               f().reglages().epaisseur() == 30;
    };
    // The next run: the program's own in memory, then what was kept.
    const auto redemarre = [this] {
        f().reglages().choisitCouleursColorimetriques(false);
        f().reglages().choisitMicroscope({});
        f().reglages().choisitEpaisseur(30);
        RetablitReglagesUtilisateur(f().reglages());
    };
    entree("Couleurs colorimétriques")->trigger();
    redemarre();
    EXPECT_TRUE(f().reglages().couleursColorimetriques());
    entree("Polariseurs")->menu()->actions().at(1)->trigger();
    redemarre();
    EXPECT_EQ(f().reglages().microscope().polariseurs, Polariseurs::Paralleles);
    dialogues_.saisie = "42";
    entree("Épaisseur")->trigger();
    redemarre();
    EXPECT_EQ(f().reglages().epaisseur(), 42);
    EXPECT_TRUE(f().reglages().couleursColorimetriques());
    entree("Rétablir les réglages d'origine")->trigger();
    EXPECT_TRUE(origine());
    RetablitReglagesUtilisateur(f().reglages());
    EXPECT_TRUE(origine());
    const QString fichier = FichierReglagesUtilisateur();
    for (const QByteArray &texte :
         {QByteArray("[[[=\n") + QByteArray(3, char(0)) + QByteArray(3, char(255)),
          QByteArray("[microscope]\nsource=99\nlame=-1\nsens=x\n[General]\nepaisseur=nan\n"
                     "couleursColorimetriques=oui\n"),
          // One past each menu's last value; the wedge is the stage's only.
          QByteArray("[microscope]\nsource=4\nvision=2\nlame=3\nsens=2\npolariseurs=2\n")}) {
        QFile ini(fichier);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(texte) == texte.size());
        ini.close();
        RetablitReglagesUtilisateur(f().reglages());
        EXPECT_TRUE(origine()) << texte.toStdString();
    }
    ASSERT_TRUE(QFile::remove(fichier) && QDir().mkdir(fichier)); // unreadable as a file
    RetablitReglagesUtilisateur(f().reglages());
    EXPECT_TRUE(origine());
    QDir().rmdir(fichier);
#ifndef _WIN32
    // A FIFO would block the start if it were opened; nor is it replaced by a save.
    ASSERT_EQ(mkfifo(QFile::encodeName(fichier).constData(), 0600), 0);
    RetablitReglagesUtilisateur(f().reglages());
    EXPECT_TRUE(origine());
    entree("Polariseurs")->menu()->actions().at(1)->trigger();
    EXPECT_FALSE(QFileInfo(fichier).isFile());
    QFile::remove(fichier);
#endif
}
