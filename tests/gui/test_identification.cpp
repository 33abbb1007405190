// SPDX-License-Identifier: GPL-3.0-or-later
// From a colour to minerals in the window: the identification window on a synthetic
// photograph rendered from the CIE table, the classroom question in the readout and the
// window, and bad input.
#include "Aides.h"
#include "FenetreTest.h"
#include "PhotographieSynthetique.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/identification/FenetreIdentification.h"
#include "MichelLevySpectre/identification/VuePhotographie.h"
#include "MichelLevySpectre/photographie/Photographie.h"
#include "MichelLevySpectre/reglages/Reglages.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <QtEndian>

#include <cmath>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

QByteArray encode(const QImage &image, const char *format)
{
    QByteArray octets;
    QBuffer b(&octets);
    b.open(QIODevice::WriteOnly);
    image.save(&b, format);
    return octets;
}

// The PNG chunk checksum (ISO 3309 CRC-32).
quint32 crc32(const QByteArray &octets)
{
    quint32 c = 0xFFFFFFFF;
    for (const char o : octets) {
        c ^= quint8(o);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
}

QByteArray morceauPng(const char *type, const QByteArray &donnees)
{
    QByteArray longueur(4, 0), somme(4, 0);
    qToBigEndian<quint32>(quint32(donnees.size()), longueur.data());
    const QByteArray corps = QByteArray(type, 4) + donnees;
    qToBigEndian<quint32>(crc32(corps), somme.data());
    return longueur + corps + somme;
}

// A black square PNG in 8-bit RGB, made without drawing it.
QByteArray pngNoir(int cote)
{
    QByteArray entete(13, 0);
    qToBigEndian<quint32>(quint32(cote), entete.data());
    qToBigEndian<quint32>(quint32(cote), entete.data() + 4);
    entete[8] = 8; // bits per channel
    entete[9] = 2; // RGB
    const QByteArray lignes(qsizetype(cote) * (1 + 3 * qsizetype(cote)), 0);
    const char signature[] = {char(137), 'P', 'N', 'G', 13, 10, 26, 10};
    return QByteArray(signature, 8) + morceauPng("IHDR", entete) +
           morceauPng("IDAT", qCompress(lignes).mid(4)) + morceauPng("IEND", {});
}

} // namespace

namespace {

// Opens the photograph with Ctrl+O, clicks the middle of each patch and counts the patches
// whose first candidate lies within 20 nm of the truth, or the second when the window says the
// colour is ambiguous or saturated; every truth must be a candidate, but where a channel at the
// sensor's top hides it.
int cliqueLesPastilles(FenetreIdentification &w, DialoguesEnregistres &d, const QString &nom)
{
    d.aOuvrir = nom;
    w.activateWindow(); // shortcuts act in the active window
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keySequence(w.windowHandle(), QKeySequence::Open);
    EXPECT_FALSE(w.vue()->vide()) << w.message().toStdString();
    int proches = 0;
    for (int i = 0; i < Pastilles; ++i) {
        const int m = Cote / 2;
        QTest::mouseClick(w.vue(), Qt::LeftButton, {},
                          w.vue()->pointDuPixel(i % 11 * Cote + m, i / 11 * Cote + m));
        const auto &r = w.resultats();
        const auto proche = [&](const LigneIdentification &l) {
            return std::abs(l.candidat.retard - vrai(i)) <= 20;
        };
        const bool sature = w.message().contains(QString::fromUtf8("saturé"));
        EXPECT_TRUE(sature || std::any_of(r.begin(), r.end(), proche)) << vrai(i);
        const bool dit = sature || w.message().contains(QString::fromUtf8("ambiguë"));
        proches += !r.empty() && (proche(r[0]) || (dit && r.size() > 1 && proche(r[1])));
    }
    return proches;
}

} // namespace

using Identification = FenetreTest;

TEST_F(Identification, syntheticPhotographPatchesAreFoundOrderByOrder)
{
    ouvre();
    FenetreIdentification &w = ouvreDuMenu<FenetreIdentification>(EntreeIdentification);
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Identification d'une teinte"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the main window stays usable
    const QString nom = dossier() + "/pastilles.png";
    ASSERT_TRUE(photographie(false, Camera).save(nom));
    EXPECT_GE(cliqueLesPastilles(w, dialogues_, nom), 30); // 90 %

    // Ctrl+C: the header, then one row per candidate, best first.
    QTest::keySequence(w.windowHandle(), QKeySequence::Copy);
    const QStringList lignes = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 5);
    EXPECT_TRUE(lignes[0].startsWith(
        QString::fromUtf8("ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux\t")));
    EXPECT_TRUE(lignes[1].startsWith(QString::fromUtf8("3e ordre\t16"))) << lignes[1].toStdString();

    const QString bruitee = dossier() + "/pastilles-bruitees.png";
    ASSERT_TRUE(photographie(true, Camera).save(bruitee));
    EXPECT_GE(cliqueLesPastilles(w, dialogues_, bruitee), 27); // 80 %
    EXPECT_TRUE(dialogues_.erreurs.empty());

    // A pale first-order grey, then the same field with the λ plate in addition: both read.
    for (const int retard : {200, 751}) {
        const Rgb8 c = CouleurDuRetard(retard, {0.7, false, true});
        QImage image(Cote, Cote, QImage::Format_RGB32);
        image.fill(QColor(c.r, c.g, c.b));
        ASSERT_TRUE(image.save(dossier() + QStringLiteral("/%1.png").arg(retard)));
    }
    w.ouvrePhotographie(dossier() + "/200.png");
    QTest::mouseClick(w.vue(), Qt::LeftButton, {}, w.vue()->pointDuPixel(Cote / 2, Cote / 2));
    w.ouvrePhotographieLambda(dossier() + "/751.png");
    EXPECT_FALSE(w.vueLambda()->vide());
    ASSERT_FALSE(w.resultats().empty());
    EXPECT_NEAR(w.resultats()[0].candidat.retard, 200, 20);
    EXPECT_TRUE(w.message().contains(QString::fromUtf8("Lame λ : addition, Δ ≈ ")))
        << w.message().toStdString();
}

TEST_F(Identification, classroomSecondOrderBlueAt30umNamesHornblendeAugiteSillimanite)
{
    ouvre();
    // The readout at 650 nm of the 0..2000 nm strip, through a tooltip request.
    TImage *bande = f().Image_michel_levy;
    const int x = int(std::lround(650.0 / tab_interferences.back().x * (bande->width() - 1)));
    glisse(bande, Qt::NoButton, x);
    const QString retard = f().Label18->text();
    QHelpEvent aide(QEvent::ToolTip, QPoint(x, 40), bande->mapToGlobal(QPoint(x, 40)));
    QApplication::sendEvent(bande, &aide);
    const QString lecture = QToolTip::text();
    for (const char *attendu : {"(2e ordre)", "Teinte : bleu", "0,0217 (lame de 30 µm)",
                                "hornblende", "augite", "sillimanite", "…"})
        EXPECT_TRUE(lecture.contains(QString::fromUtf8(attendu))) << lecture.toStdString();
    EXPECT_EQ(f().Label18->text(), retard); // the labels keep their own handler

    FenetreIdentification &w = ouvreDuMenu<FenetreIdentification>(EntreeIdentification);
    w.choisitCouleur(CouleurDuRetard(650));
    const auto &r = w.resultats();
    const auto bleu =
        std::find_if(r.begin(), r.end(), [](const auto &l) { return l.candidat.ordre == 2; });
    ASSERT_NE(bleu, r.end());
    const std::string noms = NomsMineraux(bleu->mineraux, 99);
    for (const char *nom : {"hornblende", "augite", "sillimanite"})
        EXPECT_NE(noms.find(nom), std::string::npos) << bleu->candidat.retard << ": " << noms;
}

// A PNG is decoded whole before it is scaled down: 36 Mpx take 144 MB, past Qt's own limit.
TEST(Photographie, largePngIsReadScaledDown)
{
    const QTemporaryDir dossier;
    const QString nom = dossier.filePath(QStringLiteral("grande.png"));
    QFile f(nom);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(pngNoir(6000)) > 0);
    f.close();
    const Photographie p = LitPhotographie(nom);
    EXPECT_TRUE(p.erreur.isEmpty()) << p.erreur.toStdString();
    EXPECT_LT(p.echelle, 1.0);
}

TEST_F(Identification, badPhotographsClicksAndThicknessesAreRefusedInFrench)
{
    ouvre();
    FenetreIdentification &w = ouvreDuMenu<FenetreIdentification>(EntreeIdentification);
    const QString bonne = dossier() + "/bonne.png";
    ASSERT_TRUE(photographie(false).save(bonne));
    const QByteArray png = contenu(bonne), jpeg = encode(photographie(false), "JPEG");
    // A 1 × 1 PNG whose header says 20,000 × 20,000 pixels, its checksum mended.
    QByteArray geante = encode(QImage(1, 1, QImage::Format_RGB32), "PNG");
    for (int i : {16, 20})
        qToBigEndian<quint32>(20000, geante.data() + i);
    qToBigEndian<quint32>(crc32(geante.mid(12, 17)), geante.data() + 29);
    const std::pair<QByteArray, const char *> cas[] = {
        {QByteArray(), "est vide"},
        {QByteArray("pas une image"), "n'est pas une image PNG ou JPEG"},
        {png.left(png.size() / 2), "illisible ou tronquée"},
        {jpeg.left(jpeg.size() * 2 / 3), "illisible ou tronquée"},
        {jpeg.left(40), "illisible ou tronquée"}, // no size: not "trop grande (-1 × -1 …)"
        {geante, "trop grande (20000 × 20000 pixels) : au plus 200 millions"}};
    w.ouvrePhotographie(bonne);
    for (const auto &[octets, message] : cas) {
        ecrit("mauvaise.png", octets);
        w.ouvrePhotographie(dossier() + "/mauvaise.png");
        EXPECT_TRUE(w.message().contains(QString::fromUtf8(message))) << w.message().toStdString();
        EXPECT_FALSE(w.vue()->vide()); // the photograph shown stays
    }
    w.ouvrePhotographie(dossier() + "/absente.png");
    EXPECT_TRUE(w.message().startsWith(QString::fromUtf8("Impossible de lire")));
    // Refused at once, neither read forever nor waited on; the window goes on.
    QStringList nonFichiers{dossier()};
#ifndef _WIN32
    const QString tube = dossier() + "/tube.png";
    ASSERT_EQ(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    nonFichiers << QStringLiteral("/dev/zero") << tube;
#endif
    for (const QString &nom : nonFichiers) {
        w.ouvrePhotographie(nom);
        EXPECT_TRUE(w.message().contains(QString::fromUtf8("n'est pas un fichier ordinaire")))
            << nom.toStdString();
        EXPECT_FALSE(w.vue()->vide());
    }

    QTest::mouseClick(w.vue(), Qt::LeftButton, {}, w.vue()->pointDuPixel(5, 5));
    ASSERT_FALSE(w.resultats().empty());
    const double delta = w.resultats()[0].delta;
    QTest::mouseClick(w.vue(), Qt::LeftButton, {}, w.vue()->pointDuPixel(11 * Cote + 3, 5));
    EXPECT_EQ(w.message(), QString::fromUtf8("Le clic est en dehors de la photographie"));
    for (const char *texte : {"0", "-30", "trente", "1001"}) {
        w.champEpaisseur()->setText(QString::fromUtf8(texte));
        QTest::keyClick(w.champEpaisseur(), Qt::Key_Return);
        EXPECT_TRUE(
            w.message().contains(QString::fromUtf8("n'est pas une épaisseur de 1 à 1000 µm")));
        EXPECT_EQ(w.resultats()[0].delta, delta);
    }
    w.champEpaisseur()->setText(QStringLiteral("15"));
    QTest::keyClick(w.champEpaisseur(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(w.resultats()[0].delta, delta * 2);
    EXPECT_TRUE(dialogues_.erreurs.empty());
}
