// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's other controls in their design state, and the window once shown: every
// control stays in place, labels show their whole text, the tab key and the arrows work.
#include "FormulaireCree.h"

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QFontInfo>
#include <QTest>

#include <vector>

namespace {

// --- Design state of the other controls ---------------------------------------------------

using DispositionEtat = FormulaireCree;

TEST_F(DispositionEtat, trackBar_500To50000By1000TicksBelow)
{
    const TTrackBar *t = f().TrackBar1;
    EXPECT_EQ(t->orientation(), Qt::Horizontal);
    EXPECT_EQ(t->minimum(), 500);
    EXPECT_EQ(t->maximum(), 50000);
    EXPECT_EQ(t->value(), 1000);
    EXPECT_EQ(t->tickPosition(), QSlider::TicksBelow);
}

TEST_F(DispositionEtat, fileOriginChosen_andCheckBoxUnticked)
{
    EXPECT_EQ(f().RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(f().RadioGroup1->bouton(0)->isChecked());
    EXPECT_FALSE(f().RadioGroup1->bouton(1)->isChecked());
    EXPECT_FALSE(f().CheckBox1->isChecked());
}

TEST_F(DispositionEtat, buttons_haveNoGlyph)
{
    for (const TBitBtn *b : {f().BitBtn1, f().BitBtn_blanche, f().BitBtn_laser})
        EXPECT_TRUE(b->icon().isNull()) << b->text().toStdString();
}

TEST_F(DispositionEtat, strips_crossCursorAndReadoutWithoutAButton)
{
    for (const TImage *i :
         {f().Image_lumiere_blanche, f().Image_lumiere_incidente, f().Image_michel_levy})
        EXPECT_EQ(i->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(f().Image_michel_levy->hasMouseTracking());
}

TEST_F(DispositionEtat, charts_noLegendNoTitleWhiteBackground)
{
    for (TChart *c : {f().Chart1, f().Chart2}) {
        EXPECT_FALSE(c->legend->visible());
        EXPECT_EQ(c->plotLayout()->elementCount(), 1); // the axis rectangle alone, no title
        EXPECT_EQ(c->axisRect()->backgroundBrush().color(), QColor(Qt::white));
        EXPECT_TRUE(c->plottingHints().testFlag(QCP::phFastPolylines));
    }
    // The incident light is plotted during creation: three curves in place of the design
    // series; the interference chart has none yet.
    EXPECT_EQ(f().Chart1->graphCount(), 3);
    EXPECT_EQ(f().Chart2->graphCount(), 0);
}

// --- The window once shown ----------------------------------------------------------------

// Shown with the rainbow file beside it; the first activation then runs in full.
class DispositionAffichee : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        ouvre(true, true);
        f().activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(dialogues_.messages.empty());
        ASSERT_TRUE(dialogues_.erreurs.empty());
    }
};

TEST_F(DispositionAffichee, controls_stayInPlace)
{
    ASSERT_EQ(f().size(), QSize(1285, 731));
    VerifiePlaces(f());
}

TEST_F(DispositionAffichee, labels_followTheirRewrittenText)
{
    // The first activation gives Label19 its two-line formula, the creation handler Label8
    // its longer caption: neither is cut off.
    ASSERT_TRUE(f().Label19->text().contains(QLatin1Char('\n')));
    for (const Place &p : places())
        if (auto *l = qobject_cast<QLabel *>(p.c.acces(f()))) {
            SCOPED_TRACE(p.c.nom);
            attendEtiquetteEntiere(l);
        }
}

TEST_F(DispositionAffichee, tab_visitsTheVisibleControlsInOrder)
{
    f().CheckBox1->setChecked(true); // shows the listing column and its memos
    for (int origine : {0, 1}) {
        SCOPED_TRACE(origine);
        f().RadioGroup1->bouton(origine)->click();
        QApplication::processEvents();
        std::vector<QWidget *> attendu;
        for (const Controle &c : ordreTabulation()) {
            QWidget *x = c.acces(f());
            if (x == f().RadioGroup1)
                x = f().RadioGroup1->bouton(origine);
            if (x->isVisible())
                attendu.push_back(x);
        }
        ASSERT_GE(attendu.size(), 2u);
        attendu.front()->setFocus(Qt::TabFocusReason);
        std::vector<QWidget *> visites{QApplication::focusWidget()};
        for (std::size_t i = 1; i < attendu.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visites.push_back(QApplication::focusWidget());
        }
        EXPECT_EQ(visites, attendu);
    }
}

TEST_F(DispositionAffichee, arrowsInTheGroup_chooseTheOrigin)
{
    f().RadioGroup1->bouton(1)->click();
    ASSERT_EQ(f().Label1->text(), " calculs ");
    f().Edit2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f().Edit2, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), f().RadioGroup1->bouton(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(f().RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(f().Label1->text(), " fichier "); // the origin's chain ran, as for a click
    EXPECT_EQ(QApplication::focusWidget(), f().BitBtn_blanche);
}

} // namespace
