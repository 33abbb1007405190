// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen of pixel density 2 (QT_SCALE_FACTOR=2): the layout stays
// in logical pixels, every caption fits its control, and the strips are painted at device
// resolution.
#include "Conception.h"
#include "FenetreTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

// Set here, before main builds the application: Wine hands no QT_ variable to the program.
const bool densiteDemandee = qputenv("QT_SCALE_FACTOR", "2");

class HauteDensite : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        ouvre();
        ASSERT_TRUE(densiteDemandee);
        ASSERT_EQ(f().devicePixelRatio(), 2);
        ASSERT_TRUE(dialogues_.messages.empty());
    }
};

int largeurTexte(const QWidget *w, const QString &texte)
{
    int largeur = 0;
    for (const QString &ligne : texte.split(QLatin1Char('\n')))
        largeur = std::max(largeur, w->fontMetrics().horizontalAdvance(ligne));
    return largeur;
}

// The rectangle in which the style draws a button's caption.
QRect zoneTexte(const QAbstractButton *b)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    QStyle::SubElement zone = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(b))
        zone = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(b))
        zone = QStyle::SE_RadioButtonContents;
    return b->style()->subElementRect(zone, &opt, b);
}

QRect zoneTitre(const QGroupBox *g)
{
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
}

// Every caption of the window, in the window's current state, shows whole.
void attendTextesEntiers(TForm1 &fenetre)
{
    QApplication::processEvents();
    for (const QLabel *l : fenetre.findChildren<QLabel *>()) {
        SCOPED_TRACE(l->text().toStdString());
        const QSize texte =
            l->fontMetrics().boundingRect(QRect(0, 0, 4000, 4000), 0, l->text()).size();
        EXPECT_GE(l->contentsRect().width(), texte.width());
        EXPECT_GE(l->contentsRect().height(), texte.height());
    }
    for (const QAbstractButton *b : fenetre.findChildren<QAbstractButton *>()) {
        SCOPED_TRACE(b->text().toStdString());
        const QRect zone = zoneTexte(b);
        EXPECT_GE(zone.width(), largeurTexte(b, b->text()));
        EXPECT_GE(zone.height(), b->fontMetrics().height());
        EXPECT_TRUE(b->rect().contains(zone));
        if (b->parentWidget() != &fenetre) { // a radio item must lie inside its group
            EXPECT_TRUE(b->parentWidget()->rect().contains(b->geometry()));
        }
    }
    for (const QGroupBox *g : fenetre.findChildren<QGroupBox *>()) {
        SCOPED_TRACE(g->title().toStdString());
        EXPECT_GE(zoneTitre(g).width(), largeurTexte(g, g->title()));
    }
}

} // namespace

TEST_F(HauteDensite, layoutStaysInLogicalPixels)
{
    EXPECT_EQ(f().size(), QSize(TForm1::LargeurClient, TForm1::HauteurClient));
    VerifiePlaces(f());
}

TEST_F(HauteDensite, designFontsFallBackToTheMetricCompatibleSans)
{
    // Liberation Sans has Arial's widths; a wider face would push captions out of place.
    EXPECT_EQ(QFontInfo(f().font()).family().toStdString(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(f().Label19->font()).family().toStdString(), "Liberation Sans");
    // Design captions keep close to their design widths.
    EXPECT_NEAR(f().Label2->width(), 102, 10);  // "Retard optique en nm"
    EXPECT_NEAR(f().Label15->width(), 114, 10); // "Tableau de Michel-Lévy"
    EXPECT_NEAR(f().Label16->width(), 125, 10); // "Lumière incidente", 16 pixels
}

TEST_F(HauteDensite, captionsShowWholeInWhiteLight)
{
    ASSERT_TRUE(f().BitBtn_blanche->font().bold());
    attendTextesEntiers(f());
}

TEST_F(HauteDensite, captionsShowWholeInMonochromaticLightWithTheListings)
{
    f().BitBtn_laser->click();
    f().CheckBox1->setChecked(true);
    ASSERT_TRUE(f().BitBtn_laser->font().bold());
    ASSERT_TRUE(f().Label13->isVisible());
    attendTextesEntiers(f());
}

TEST_F(HauteDensite, stripSurfacesHaveTwiceTheControlSize)
{
    for (TImage *i :
         {f().Image_lumiere_blanche, f().Image_lumiere_incidente, f().Image_michel_levy}) {
        ASSERT_TRUE(i->aSurface());
        EXPECT_EQ(i->tailleSurface(), i->size() * 2);
    }
}

TEST_F(HauteDensite, oneColumnIsTwoCrispDevicePixels)
{
    TImage *image = f().Image_lumiere_incidente;
    Canevas &c = image->Canvas();
    c.Pen = Stylo{0, 1};
    for (int x = 0; x < image->width(); ++x) {
        c.MoveTo(x, 0);
        c.LineTo(x, image->height());
    }
    c.Pen = Stylo{0xFF, 1}; // red
    c.MoveTo(100, 0);
    c.LineTo(100, image->height());

    // What the control puts on screen, at the screen's density.
    const QImage ecran = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ecran.size(), image->size() * 2);
    for (int y : {0, image->height(), 2 * image->height() - 1}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(ecran.pixel(199, y), qRgb(0, 0, 0));
        EXPECT_EQ(ecran.pixel(200, y), qRgb(255, 0, 0));
        EXPECT_EQ(ecran.pixel(201, y), qRgb(255, 0, 0));
        EXPECT_EQ(ecran.pixel(202, y), qRgb(0, 0, 0));
    }
    EXPECT_EQ(image->Pixel(100, 10), 0xFFu);
    EXPECT_EQ(image->Pixel(101, 10), 0u);
}
