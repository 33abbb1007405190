// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers' chains, driven through the real controls.
#include "FenetreTest.h"
#include "Memoire.h"

#include "MichelLevySpectre.h"

#include <QApplication>
#include <QTest>
#include <qcustomplot.h>

#include <cstdlib>

#ifndef _WIN32
#include <sys/resource.h>
#endif

using Gestionnaires = FenetreTest;

struct PasDepuisRetard {
    const char *retard;
    const char *pas;
    std::size_t lignes;
};

TEST_F(Gestionnaires, enterInEdit1_derivesTheStepFromTheMaximum)
{
    ouvre();
    for (const PasDepuisRetard &c : {PasDepuisRetard{"2000", "1", 2001},
                                     {"6000", "2", 3001},
                                     {"9000", "3", 3001},
                                     {"50000", "16", 3126},
                                     {"0", "1", 1}}) {
        tape(f().Edit1, c.retard);
        EXPECT_EQ(f().Edit2->text(), c.pas) << c.retard;
        EXPECT_EQ(tab_interferences.size(), c.lignes) << c.retard;
    }
    EXPECT_EQ(f().TrackBar1->value(), 3000); // Enter leaves the track bar where it was
    EXPECT_TRUE(dialogues_.erreurs.empty());
}

TEST_F(Gestionnaires, otherKeys_doNothing)
{
    ouvre();
    f().Edit1->setText("2000");
    QTest::keyClick(f().Edit1, Qt::Key_A);
    EXPECT_EQ(f().Edit1->text(), "2000a");
    EXPECT_EQ(f().Edit2->text(), "6");
    EXPECT_EQ(tab_interferences.size(), 501u);
}

TEST_F(Gestionnaires, enterInEdit2_readsBothFields)
{
    ouvre();
    f().Edit1->setText("2005");
    tape(f().Edit2, "10");
    ASSERT_EQ(tab_interferences.size(), 201u);
    EXPECT_EQ(tab_interferences.back().x, 2000);
    tape(f().Edit2, "");
    EXPECT_EQ(f().Label6->text(), "201");
    f().Edit1->setText("abc");
    tape(f().Edit2, "10");
    EXPECT_EQ(retard_max, 2000);
    f().Edit1->setText("3000 ");
    tape(f().Edit2, "10");
    EXPECT_EQ(retard_max, 2000);
    f().Edit1->setText(" 3000");
    tape(f().Edit2, "10");
    EXPECT_EQ(retard_max, 3000);
    EXPECT_EQ(f().Chart2->xAxis->label(), "retard en nm 301 valeurs");
}

TEST_F(Gestionnaires, stepZero_reportsAndLeavesTheTable)
{
    ouvre();
    const Tab_RetardCouleur avant = tab_interferences;
    tape(f().Edit2, "0");
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_TRUE(dialogues_.erreurs[0].startsWith(QString::fromUtf8("Division par zéro")));
    EXPECT_EQ(tab_interferences.size(), avant.size());
    EXPECT_EQ(f().Label6->text(), "501");
    EXPECT_EQ(pas, 0); // stored before the division, as the run reads it
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
}

TEST_F(Gestionnaires, oppositeSigns_reportInsteadOfANegativeTable)
{
    ouvre();
    f().Edit1->setText("-3000");
    tape(f().Edit2, "10");
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_EQ(tab_interferences.size(), 501u);
    f().Edit1->setText("-10");
    tape(f().Edit2, "10");
    EXPECT_EQ(tab_interferences.size(), 0u); // quotient -1: an empty table, nothing painted
    EXPECT_EQ(f().Label21->text(), "0");
    f().Edit1->setText("2147483647");
    tape(f().Edit2, "1");
    EXPECT_EQ(dialogues_.erreurs.size(), 2u);
    EXPECT_EQ(f().Label6->text(), "2147483648");
}

TEST_F(Gestionnaires, bothNegative_giveTheSameColoursAsPositive)
{
    ouvre();
    f().Edit1->setText("2000");
    tape(f().Edit2, "10");
    const Tab_RetardCouleur positif = tab_interferences;
    f().Edit1->setText("-2000");
    tape(f().Edit2, "-10");
    ASSERT_EQ(tab_interferences.size(), positif.size());
    for (std::size_t i = 0; i < positif.size(); ++i) {
        EXPECT_EQ(tab_interferences[i].x, -positif[i].x);
        EXPECT_NEAR(tab_interferences[i].R, positif[i].R, 1e-9);
    }
}

#ifndef _WIN32 // the cap is a POSIX resource limit
// In a child process whose address space is capped a few megabytes above what it holds, so
// that a table of 1,000,000 rows (32 MB) cannot be had: the error box, the arrow cursor back,
// and the next run works.
TEST_F(Gestionnaires, outOfMemory_reportsAndTheWindowGoesOn)
{
#ifdef SANS_LIMITE_MEMOIRE
    GTEST_SKIP() << "no address-space limit under the address sanitizer";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ouvre();
    f().Edit1->setText("999999");
    const auto sousLimite = [this] {
        rlimit l{};
        getrlimit(RLIMIT_AS, &l);
        l.rlim_cur = rlim_t(tailleVirtuelleOctets()) + (8u << 20);
        if (setrlimit(RLIMIT_AS, &l) != 0)
            std::_Exit(2);
        tape(f().Edit2, "1");
        const bool signale =
            dialogues_.erreurs == std::vector<QString>{QString::fromUtf8("Mémoire insuffisante")} &&
            QApplication::overrideCursor()->shape() == Qt::ArrowCursor;
        f().Edit1->setText("3000");
        tape(f().Edit2, "10");
        std::_Exit(
            signale && dialogues_.erreurs.size() == 1 && tab_interferences.size() == 301 ? 0 : 1);
    };
    EXPECT_EXIT(sousLimite(), ::testing::ExitedWithCode(0), "");
}
#endif

struct PasDepuisCurseur {
    int position;
    const char *pas;
};

TEST_F(Gestionnaires, trackBar_writesMaximumAndStepFromTheStripWidth)
{
    ouvre();
    for (const PasDepuisCurseur &c :
         {PasDepuisCurseur{500, "1"}, {1000, "1"}, {1237, "3"}, {2474, "6"}, {50000, "120"}}) {
        f().TrackBar1->setValue(c.position);
        EXPECT_EQ(f().Edit1->text(), QString::number(c.position));
        EXPECT_EQ(f().Edit2->text(), c.pas) << c.position;
    }
    EXPECT_EQ(tab_interferences.size(), 50000u / 120 + 1);
}

TEST_F(Gestionnaires, trackBar_notifiesAlsoWithoutAChangeOfPosition)
{
    ouvre();
    f().TrackBar1->setValue(50000);
    f().Edit1->setText("7");
    // A key at the end of the range leaves the position as it is but still notifies.
    QTest::keyClick(f().TrackBar1, Qt::Key_Right);
    EXPECT_EQ(f().Edit1->text(), "50000");
    f().Edit1->setText("7");
    emit f().TrackBar1->sliderReleased();
    EXPECT_EQ(f().Edit1->text(), "50000");
}

TEST_F(Gestionnaires, lightStripPress_switchesToMonochromaticAtThePointer)
{
    ouvre();
    TImage *blanche = f().Image_lumiere_blanche;
    presse(blanche, Qt::LeftButton, 296);
    EXPECT_TRUE(f().BitBtn_laser->font().bold());
    EXPECT_FALSE(f().BitBtn_blanche->font().bold());
    EXPECT_EQ(f().Edit3->text(), "600");
    EXPECT_TRUE(f().Edit3->isVisible() && f().Edit4->isVisible() && f().Label13->isVisible());
    // Band of width 10 around 600: 596..605 keep their colour.
    EXPECT_EQ(tab_incidente[195].R, 0);
    EXPECT_NE(tab_incidente[196].R, 0);
    EXPECT_NE(tab_incidente[205].R, 0);
    EXPECT_EQ(tab_incidente[206].R, 0);
    // Monochromatic normalisation: row 0 black, brightest value 255.
    EXPECT_EQ(tab_interferences[0].R, 0);
    for (int x : {0, 592}) {
        glisse(blanche, Qt::LeftButton, x);
        EXPECT_EQ(f().Edit3->text(), x == 0 ? "400" : "800");
    }
    glisse(blanche, Qt::LeftButton, -100);
    EXPECT_EQ(f().Edit3->text(), QString::number(qRound(-100.0 / 592 * 400 + 400)));
    EXPECT_LT(f().Edit3->text().toInt(), 400);
    glisse(blanche, Qt::NoButton, 100);
    EXPECT_LT(f().Edit3->text().toInt(), 400); // moves without the button do nothing
}

TEST_F(Gestionnaires, lightStrip_rightButtonDoesNothingAndReleaseRecomputes)
{
    ouvre();
    f().CheckBox1->setChecked(true);
    presse(f().Image_lumiere_incidente, Qt::RightButton, 100);
    EXPECT_FALSE(f().BitBtn_laser->font().bold());
    f().Edit1->setText("1000");
    f().Edit2->setText("10");
    relache(f().Image_lumiere_incidente, Qt::RightButton, 100);
    EXPECT_EQ(tab_interferences.size(), 101u);
    EXPECT_EQ(f().Memo_lumiere->nombreLignes(), 401);
    EXPECT_EQ(f().Memo_lumiere->lignes()[0].left(4), "i =0");
}

TEST_F(Gestionnaires, lightButtons_switchModeAndBand)
{
    ouvre();
    f().BitBtn_laser->click();
    EXPECT_TRUE(f().BitBtn_laser->font().bold());
    EXPECT_EQ(ModeLumiereCourant(f()), ModeLumiere::Monochromatique);
    tape(f().Edit3, "550", false);
    tape(f().Edit4, "2");
    int allumes = 0;
    for (const RetardCouleur &e : tab_incidente)
        allumes += e.G != 0;
    EXPECT_EQ(allumes, 2);
    f().BitBtn_blanche->click();
    EXPECT_EQ(ModeLumiere::Blanche, ModeLumiereCourant(f()));
    EXPECT_FALSE(f().Edit3->isVisible());
    for (std::size_t i = 0; i < tab_blanche.size(); ++i)
        EXPECT_EQ(tab_incidente[i].G, tab_blanche[i].G);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
}

namespace {

// The program-wide cursor each time a plot replaces the interference chart's curves (the
// old ones leave the chart): seen from inside the chain that runs the plot.
class CurseurAuxTraces : public QObject {
public:
    explicit CurseurAuxTraces(QObject *chart) { chart->installEventFilter(this); }
    std::vector<Qt::CursorShape> formes;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::ChildRemoved)
            formes.push_back(QApplication::overrideCursor()
                                 ? QApplication::overrideCursor()->shape()
                                 : Qt::BitmapCursor);
        return false;
    }
};

} // namespace

TEST_F(Gestionnaires, originChoice_rebuildsTheSpectrumAndRunsTwice)
{
    ouvre();
    CurseurAuxTraces traces(f().Chart2);
    f().Button1->click(); // one run, under the hourglass
    const std::size_t parTrace = traces.formes.size();
    ASSERT_GT(parTrace, 0u);
    EXPECT_EQ(traces.formes, std::vector<Qt::CursorShape>(parTrace, Qt::WaitCursor));
    traces.formes.clear();
    f().RadioGroup1->bouton(1)->click();
    // The white-light chain's run under the hourglass, then one more after the arrow.
    std::vector<Qt::CursorShape> attendu(parTrace, Qt::WaitCursor);
    attendu.insert(attendu.end(), parTrace, Qt::ArrowCursor);
    EXPECT_EQ(traces.formes, attendu);
    EXPECT_EQ(f().Label8->text(),
              QString::fromUtf8("Lumière blanche   400 - 800 nm  Calculs  valeurs  =>  "
                                "array[0..400] "));
    EXPECT_EQ(f().Label1->text(), " calculs ");
    EXPECT_EQ(f().Label9->text(), "401 valeurs"); // left as the file branch wrote it
    EXPECT_DOUBLE_EQ(tab_blanche[20].R, 0.5);
    EXPECT_EQ(tab_interferences.size(), 501u);
    f().RadioGroup1->bouton(0)->click();
    EXPECT_EQ(f().Label1->text(), " fichier ");
    for (std::size_t i = 0; i < tab_blanche.size(); ++i)
        EXPECT_EQ(tab_incidente[i].R, tab_blanche[i].R);
}
