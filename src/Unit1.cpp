// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include "MichelLevySpectre.h"
#include "toolkit/Programme.h"

#include <QCoreApplication>
#include <QEvent>
#include <QResizeEvent>

#include <algorithm>
#include <limits>

TForm1 *Form1 = nullptr;

namespace {

QString texte(std::int64_t v) { return QString::number(v); }

std::int32_t enEntier32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void metGras(QWidget *w, bool gras)
{
    QFont f = w->font();
    f.setBold(gras);
    if (!gras) {
        f.setItalic(false);
        f.setUnderline(false);
        f.setStrikeOut(false);
    }
    w->setFont(f);
}

// Divides by a strip's width in pixels; a strip squeezed below one pixel counts as one.
int auMoinsUn(int largeur) { return std::max(1, largeur); }

} // namespace

TForm1::TForm1(QWidget *parent) : QWidget(parent), reglages_(new Reglages(this))
{
    Form1 = this;
    // A setting changed from any window repaints the strip from the current table.
    connect(reglages_, &Reglages::changed, this, [this] {
        Protege([this] {
            DessineMichelLevy(*this, Image_michel_levy, tab_interferences,
                              Image_michel_levy->width(), Image_michel_levy->height());
        });
    });
    creeControles();
    relieEvenements();
    creeMenus();
    Protege([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::relieEvenements()
{
    const auto relie = [this](auto *source, auto signal, auto gestionnaire) {
        connect(source, signal, this,
                [gestionnaire](auto... args) { Protege([&] { gestionnaire(args...); }); });
    };
    relie(Button1, &QPushButton::clicked, [this](bool) { Button1Click(); });
    relie(Button2, &QPushButton::clicked, [this](bool) { Button2Click(); });
    relie(Edit1, &TEdit::toucheEnfoncee, [this](int k) { Edit1KeyDown(k); });
    relie(Edit2, &TEdit::toucheEnfoncee, [this](int k) { Edit2KeyDown(k); });
    relie(Edit3, &TEdit::toucheEnfoncee, [this](int k) { Edit3KeyDown(k); });
    relie(Edit4, &TEdit::toucheEnfoncee, [this](int k) { Edit4KeyDown(k); });
    relie(BitBtn_blanche, &QPushButton::clicked, [this](bool) { BitBtn_blancheClick(); });
    relie(BitBtn_laser, &QPushButton::clicked, [this](bool) { BitBtn_laserClick(); });
    relie(BitBtn1, &QPushButton::clicked, [this](bool) { BitBtn1Click(); });
    relie(RadioGroup1, &TRadioGroup::clic, [this] { RadioGroup1Click(); });
    relie(TrackBar1, &TTrackBar::change, [this] { TrackBar1Change(); });
    relie(CheckBox1, &QCheckBox::toggled, [this](bool) { CheckBox1Click(); });
    for (TImage *bande : {Image_lumiere_blanche, Image_lumiere_incidente}) {
        relie(bande, &TImage::sourisEnfoncee,
              [this, bande](Qt::MouseButton, Qt::MouseButtons etat, int x, int) {
                  Image_lumiere_blancheMouseDown(bande, etat, x);
              });
        relie(bande, &TImage::sourisDeplacee, [this, bande](Qt::MouseButtons etat, int x, int) {
            Image_lumiere_blancheMouseMove(bande, etat, x);
        });
        relie(bande, &TImage::sourisRelachee, [this](Qt::MouseButton, Qt::MouseButtons, int, int) {
            Image_lumiere_blancheMouseUp();
        });
    }
    relie(Image_michel_levy, &TImage::sourisEnfoncee,
          [this](Qt::MouseButton, Qt::MouseButtons, int x, int) { Image_michel_levyMouseDown(x); });
    relie(Image_michel_levy, &TImage::sourisDeplacee,
          [this](Qt::MouseButtons, int x, int) { Image_michel_levyMouseMove(x); });
}

bool TForm1::event(QEvent *e)
{
    const bool resultat = QWidget::event(e);
    // The first activation, or the first show where the platform activates nothing.
    if (!active_ && (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show)) {
        active_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Protege([this] { FormActivate(); }); }, Qt::QueuedConnection);
    }
    return resultat;
}

void TForm1::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (!Image_michel_levy)
        return;
    const int largeur = std::max(0, width() - Image_michel_levy->x() - MargeDroiteMichelLevy);
    Image_michel_levy->resize(largeur, Image_michel_levy->height());
    // Repaints the current table at the new width so that the strip stays crisp.
    Protege([this] {
        DessineMichelLevy(*this, Image_michel_levy, tab_interferences, Image_michel_levy->width(),
                          Image_michel_levy->height());
    });
}

void TForm1::FormCreate()
{
    setAttribute(Qt::WA_PaintOnScreen, false); // painted through Qt's back buffer
    PrepareLumiereBlanche(*this);
}

void TForm1::FormActivate()
{
    TrackBar1->setValue(EntierStrictDuChamp(Edit1));
    ChoisitLumiere(QStringLiteral("arc"));
    CalculMichelLevy(*this);
    ListeInterferences(*this);
    CheckBox1Click();
    Label19->setText(QStringLiteral("Somme des 0.5(1 + Cos(Phi)) = Sqr(Cos(Phi / 2))\n\n"
                                    " avec Phi = 2.pi.Retard / Lambda "));
}

void TForm1::ChoisitLumiere(const QString &mode)
{
    const bool laser = mode == QStringLiteral("laser");
    metGras(BitBtn_laser, laser);
    metGras(BitBtn_blanche, !laser);
    TBitBtn *choisi = laser ? BitBtn_laser : BitBtn_blanche;
    choisi->repaint();
    choisi->setFocus();
    Edit3->setVisible(laser);
    Edit4->setVisible(laser);
    Label13->setVisible(laser);
}

void TForm1::Button1Click()
{
    SablierPendant([this] {
        CalculMichelLevy(*this);
        ListeInterferences(*this);
    });
}

void TForm1::Button2Click() { QCoreApplication::exit(0); }

void TForm1::Edit1KeyDown(int key)
{
    if (key != TEdit::VK_RETURN)
        return;
    SablierPendant([this] {
        LitParametres(*this);
        pas = std::max(1, retard_max / 3000);
        Edit2->setText(texte(pas));
        LitParametres(*this);
        CalculMichelLevy(*this);
        ListeInterferences(*this);
    });
}

void TForm1::Edit2KeyDown(int key)
{
    if (key != TEdit::VK_RETURN)
        return;
    SablierPendant([this] {
        LitParametres(*this);
        CalculMichelLevy(*this);
        ListeInterferences(*this);
    });
}

void TForm1::Edit3KeyDown(int key)
{
    if (key != TEdit::VK_RETURN)
        return;
    SablierPendant([this] {
        FiltreMonochromatique(*this);
        CalculMichelLevy(*this);
        ListeInterferences(*this);
    });
}

void TForm1::Edit4KeyDown(int key) { Edit3KeyDown(key); }

void TForm1::BitBtn_blancheClick()
{
    SablierPendant([this] {
        ChoisitLumiere(QStringLiteral("arc"));
        PrepareLumiereBlanche(*this);
        CalculMichelLevy(*this);
        ListeInterferences(*this);
    });
}

void TForm1::BitBtn_laserClick()
{
    SablierPendant([this] {
        ChoisitLumiere(QStringLiteral("laser"));
        FiltreMonochromatique(*this);
        CalculMichelLevy(*this);
        ListeInterferences(*this);
    });
}

void TForm1::RadioGroup1Click()
{
    BitBtn_blancheClick();
    CalculMichelLevy(*this);
}

std::int32_t TForm1::longueurOndeSous(QObject *sender, int X) const
{
    const TImage *bande =
        sender == Image_lumiere_blanche ? Image_lumiere_blanche : Image_lumiere_incidente;
    const double fraction = double(X) / auMoinsUn(bande->width() - 1);
    return enEntier32(ArrondiPair(fraction * (std::int64_t{lambda_max} - lambda_min) + lambda_min));
}

void TForm1::Image_lumiere_blancheMouseDown(QObject *sender, Qt::MouseButtons shift, int X)
{
    if (!(shift & Qt::LeftButton))
        return;
    ChoisitLumiere(QStringLiteral("laser"));
    Edit3->setText(texte(longueurOndeSous(sender, X)));
    FiltreMonochromatique(*this);
    CalculMichelLevy(*this);
}

void TForm1::Image_lumiere_blancheMouseMove(QObject *sender, Qt::MouseButtons shift, int X)
{
    if (!(shift & Qt::LeftButton))
        return;
    Edit3->setText(texte(longueurOndeSous(sender, X)));
    FiltreMonochromatique(*this);
    CalculMichelLevy(*this);
}

void TForm1::Image_lumiere_blancheMouseUp()
{
    ListeLumiere(*this);
    CalculMichelLevy(*this);
}

void TForm1::TrackBar1Change()
{
    Edit1->setText(texte(TrackBar1->value()));
    const int s = std::max(1, TrackBar1->value() / auMoinsUn(Image_michel_levy->width()) * 3);
    Edit2->setText(texte(s));
    CalculMichelLevy(*this);
}

void TForm1::Image_michel_levyMouseDown(int X) { x_origine = X; }

void TForm1::Image_michel_levyMouseMove(int X)
{
    const std::int32_t v = EntierStrictDuChamp(Edit1);
    const double pixels = auMoinsUn(Image_michel_levy->width() - 1);
    Label18->setText(texte(ArrondiPair(X / pixels * v)) + QStringLiteral(" nm"));
    Label20->setText(texte(ArrondiPair((std::int64_t{X} - x_origine) / pixels * v)));
}

void TForm1::CheckBox1Click() { MontreTableaux(CheckBox1->isChecked()); }

void TForm1::MontreTableaux(bool visible)
{
    for (QWidget *w : {static_cast<QWidget *>(Memo_fichier), static_cast<QWidget *>(Memo_lumiere),
                       static_cast<QWidget *>(memo_interferences), static_cast<QWidget *>(Label1),
                       static_cast<QWidget *>(Label9), static_cast<QWidget *>(Label17),
                       static_cast<QWidget *>(BitBtn1), static_cast<QWidget *>(Label15),
                       static_cast<QWidget *>(Label21)})
        w->setVisible(visible);
}

void TForm1::BitBtn1Click() { EnregistreInterferences(*this); }
