// SPDX-License-Identifier: GPL-3.0-or-later
// One A4 page for a practical class: the strip with its axis, the Michel-Lévy curves, the
// full chart reduced, and a line saying what they show.
#include "MichelLevySpectre/figures/ExportFigures.h"
#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "MichelLevySpectre/figures/FigureBande.h"
#include "MichelLevySpectre/figures/FigureCourbes.h"
#include "MichelLevySpectre/figures/Typographie.h"
#include "toolkit/Fichiers.h"

#include <qcustomplot.h>

#include <QDate>

namespace {

// A4 portrait, in points.
const QSizeF Page(210 / 25.4 * 72, 297 / 25.4 * 72);
constexpr double Marge = 28;
constexpr int Dpi = 300; // of the PNG
constexpr double HauteurBande = 45;
constexpr double HauteurCourbes = 232;

QString legende(const FenetreFigures &fenetre, std::span<const RetardCouleur> table)
{
    return QStringLiteral("%1 ;  %2 ;  %3")
        .arg(Capitale(DescriptionFigure(fenetre)), DescriptionTable(table),
             QLocale(QLocale::French, QLocale::France)
                 .toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy")));
}

void dessinePlanche(const FenetreFigures &fenetre, QCPPainter &p,
                    std::span<const RetardCouleur> table, const QImage &peinture, bool vectorielle)
{
    const double largeur = Page.width() - 2 * Marge;
    p.fillRect(QRectF(QPointF(0, 0), Page), Qt::white);
    p.setPen(Qt::black);
    p.setFont(typo::police(typo::Titre, true));
    typo::texte(p, {Page.width() / 2, Marge}, Qt::AlignHCenter | Qt::AlignTop,
                QStringLiteral("Teintes de polarisation de Michel-Lévy"));
    p.setFont(typo::police(typo::Texte));
    typo::texte(p, {Page.width() / 2, Marge + 24}, Qt::AlignHCenter | Qt::AlignTop,
                Capitale(DescriptionFigure(fenetre)));
    double y = Marge + 36;

    const QSizeF bande(largeur - (TailleFigureBande({}, false).width()), HauteurBande);
    DessineFigureBande(fenetre, p, {Marge, y}, bande, false, peinture, vectorielle, table);
    y += TailleFigureBande(bande, false).height() + 4;

    const std::unique_ptr<QCustomPlot> courbes = FigureCourbes(
        fenetre, fenetre.courbesInterferences, QSize(int(largeur), int(HauteurCourbes)));
    p.save();
    p.translate(Marge, y);
    courbes->toPainter(&p, int(largeur), int(HauteurCourbes));
    p.restore();
    y += HauteurCourbes + 6;

    const QSizeF charte = PageCharteMichelLevy();
    const double echelle = largeur / charte.width();
    p.save();
    p.translate(Marge, y);
    p.scale(echelle, echelle);
    DessineCharteMichelLevy(fenetre, p, table, LumiereDeLaCharte(fenetre));
    p.restore();
    y += charte.height() * echelle + 4;

    p.setPen(Qt::black);
    p.setFont(typo::police(typo::Texte));
    p.drawText(QRectF(Marge, y, largeur, Page.height() - y), Qt::AlignHCenter | Qt::TextWordWrap,
               legende(fenetre, table));
}

QByteArray octetsPlanche(const FenetreFigures &fenetre, FormatFigure format,
                         std::span<const RetardCouleur> table)
{
    const QWidget *strip = fenetre.bande;
    const QImage peinture = PeintureBande(fenetre, table, strip->width(), strip->height());
    if (format == FormatFigure::Png)
        return OctetsPng(ImageEnPoints(
            Page, Dpi, [&](QCPPainter &p) { dessinePlanche(fenetre, p, table, peinture, false); }));
    return FigureVectorielle(
        format, Page, 72, QStringLiteral("Planche de Michel-Lévy"),
        [&](QCPPainter &p) { dessinePlanche(fenetre, p, table, peinture, true); });
}

} // namespace

void EnregistrePlanche(const FenetreFigures &fenetre)
{
    if (!TableFigurable(tab_interferences) || !fenetre.bande || !fenetre.courbesInterferences ||
        fenetre.courbesInterferences->graphCount() == 0)
        return;
    if (const std::optional<QString> nom = DemandeNomFigure(FormatFigure::Pdf))
        EnregistreFichier(*nom, octetsPlanche(fenetre, FormatDuNom(*nom), tab_interferences));
}
