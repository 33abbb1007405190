// SPDX-License-Identifier: GPL-3.0-or-later
// The full Michel-Lévy chart on an A4 landscape page, for printing: the strip's colours
// stretched up the thickness axis, the birefringence lines over them.
#include "MichelLevySpectre/figures/Figures.h"

#include "MichelLevySpectre/couleurs/Ordres.h"
#include "MichelLevySpectre/figures/CharteMineraux.h"
#include "MichelLevySpectre/figures/ExportFigures.h"
#include "MichelLevySpectre/figures/Typographie.h"
#include "MichelLevySpectre/reglages/CouleursBande.h"
#include "toolkit/Fichiers.h"
#include "toolkit/TImage.h"

#include <qcustomplot.h>

#include <QPainter>

#include <cmath>

namespace {

using typo::police;
using typo::texte;

// The page in points, and the plot on it.
constexpr double Pouce = 72.0;
const QSizeF Page(297 / 25.4 * Pouce, 210 / 25.4 * Pouce);
const QRectF Trace(QPointF(72, 112), QPointF(Page.width() - 78, Page.height() - 78));
constexpr int Dpi = 300;                // of the PNG
constexpr double EcartEtiquettes = 9.5; // points between two δ labels along an edge

// Page coordinates of a point of the chart (nm, µm).
QPointF point(double retard, double epaisseur, double retardMax)
{
    return {Trace.left() + retard / retardMax * Trace.width(),
            Trace.bottom() - epaisseur / EpaisseurMaxCharte * Trace.height()};
}

void fond(QPainter &p, const FenetreFigures &fenetre, std::span<const RetardCouleur> table,
          double retardMax)
{
    const int largeur = int(std::lround(Trace.width() / Pouce * Dpi));
    const std::vector<std::uint32_t> colonnes = ColonnesCharte(
        table, CouleursMichelLevy(table, fenetre.colorimetriques, fenetre.microscope), largeur,
        retardMax);
    QImage image(largeur, 1, QImage::Format_RGB32);
    for (int c = 0; c < largeur; ++c)
        image.setPixel(c, 0, CouleurQt(colonnes[std::size_t(c)]).rgb());
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(Trace, image);
}

// A black line with a faint light border, so that it shows over the dark colours too.
void trait(QPainter &p, const QLineF &l, QPen stylo)
{
    QPen halo = stylo;
    halo.setColor(QColor(255, 255, 255, 120));
    halo.setWidthF(stylo.widthF() + 0.7);
    halo.setStyle(Qt::SolidLine);
    for (const QPen &s : {halo, stylo}) {
        p.setPen(s);
        p.drawLine(l);
    }
}

void lignes(QPainter &p, const GeometrieCharte &g)
{
    for (const LigneBirefringence &l : g.lignes)
        trait(p, {Trace.bottomLeft(), point(l.retard, l.epaisseur, g.retardMax)},
              QPen(Qt::black, 0.5));
}

void etiquettes(QPainter &p, const GeometrieCharte &g)
{
    p.setPen(Qt::black);
    p.setFont(police(typo::Annotation));
    for (const LigneBirefringence &l : g.lignes) {
        if (!l.etiquetee)
            continue;
        const QPointF fin = point(l.retard, l.epaisseur, g.retardMax);
        const QString t = QString::fromStdString(TexteBirefringence(l.milliemes));
        if (l.bordHaut) { // written upwards, from just above the edge
            p.save();
            p.translate(fin.x(), Trace.top() - 3);
            p.rotate(-90);
            texte(p, {0, 0}, Qt::AlignLeft | Qt::AlignVCenter, t);
            p.restore();
        } else {
            texte(p, {Trace.right() + 3, fin.y()}, Qt::AlignLeft | Qt::AlignVCenter, t);
        }
    }
    // Along the right margin, beyond the labels of that edge.
    p.save();
    p.translate(Trace.right() + 45, Trace.center().y());
    p.rotate(-90);
    p.setFont(police(typo::TitreAxe));
    texte(p, {0, 0}, Qt::AlignCenter, QString::fromUtf8("Biréfringence δ"));
    p.restore();
}

void lameMince(QPainter &p, double retardMax)
{
    QPen tirets(Qt::black, 1.2, Qt::CustomDashLine);
    tirets.setDashPattern({6, 4});
    trait(
        p,
        {point(0, EpaisseurLameMince, retardMax), point(retardMax, EpaisseurLameMince, retardMax)},
        tirets);
}

void axeEpaisseur(QPainter &p, double retardMax)
{
    p.setPen(QPen(Qt::black, 0.6));
    p.setFont(police(typo::Texte));
    const double pas = PasGraduation(EpaisseurMaxCharte, 10);
    for (double t = 0; t <= EpaisseurMaxCharte + 1e-9; t += pas) {
        const QPointF a = point(0, t, retardMax);
        p.drawLine(a, a - QPointF(4, 0));
        texte(p, a - QPointF(6, 0), Qt::AlignRight | Qt::AlignVCenter, QString::number(t));
    }
    p.save();
    p.translate(Trace.left() - 38, Trace.center().y());
    p.rotate(-90);
    p.setFont(police(typo::TitreAxe));
    texte(p, {0, 0}, Qt::AlignCenter, QString::fromUtf8("Épaisseur de la lame (µm)"));
    p.restore();
}

// The order's name between two marks; the number of the mark under it when they are thinned.
QString nomIntervalle(std::int64_t n, bool franges)
{
    return QString::fromStdString(franges ? NomFrange(n) : NomOrdre(int(n)));
}

void axeRetard(QPainter &p, const GeometrieCharte &g, bool franges)
{
    p.setPen(QPen(Qt::black, 0.6));
    p.setFont(police(typo::Texte));
    const double pas = PasGraduation(g.retardMax, 12);
    for (double r = 0; r <= g.retardMax + 1e-9; r += pas) {
        const QPointF a = point(r, 0, g.retardMax);
        p.drawLine(a, a + QPointF(0, 4));
        texte(p, a + QPointF(0, 5), Qt::AlignHCenter | Qt::AlignTop,
              QString::number(std::llround(r)));
    }
    const double haut = Trace.bottom() + 18, bas = Trace.bottom() + 32;
    p.setFont(police(typo::Ordre, false, true));
    const QFontMetricsF mesure(p.font());
    double libreDes = Trace.left(); // page x where the next label may start
    double debut = 0;
    for (std::size_t n = 0; n <= g.ordres.size(); ++n) {
        const double fin = n < g.ordres.size() ? g.ordres[n] : g.retardMax;
        const double x0 = point(debut, 0, g.retardMax).x(), x1 = point(fin, 0, g.retardMax).x();
        if (n < g.ordres.size()) {
            trait(p, {QPointF(x1, Trace.bottom() - 8), QPointF(x1, Trace.bottom())},
                  QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
            p.setPen(QPen(Qt::black, 1));
            p.drawLine(QPointF(x1, haut), QPointF(x1, bas));
        }
        if (g.pasOrdres == 1) {
            const QString nom = nomIntervalle(std::int64_t(n) + 1, franges);
            if (mesure.horizontalAdvance(nom) < x1 - x0 - 4)
                texte(p, {(x0 + x1) / 2, (haut + bas) / 2}, Qt::AlignCenter, nom);
        } else if (n < g.ordres.size()) { // each mark's count, where it has room
            const QString nombre = QString::number(std::int64_t(n + 1) * g.pasOrdres);
            const double demi = mesure.horizontalAdvance(nombre) / 2;
            if (x1 - demi - 3 >= libreDes && x1 + demi <= Trace.right()) {
                texte(p, {x1 + 2, (haut + bas) / 2}, Qt::AlignLeft | Qt::AlignVCenter, nombre);
                libreDes = x1 + 2 + 2 * demi + 6;
            }
        }
        debut = fin;
    }
    p.setFont(police(typo::TitreAxe));
    texte(p, {Trace.center().x(), bas + 4}, Qt::AlignHCenter | Qt::AlignTop,
          QString::fromUtf8("Retard optique Δ (nm)"));
}

// What the marks under the axis stand for, in the chart's second title line.
QString texteReperes(const GeometrieCharte &g, const ReperesCharte &r)
{
    QString t = (r.franges ? QStringLiteral("franges sombres tous les %1 nm")
                           : QStringLiteral("repères d'ordre tous les %1 nm"))
                    .arg(r.intervalle);
    if (g.pasOrdres > 1)
        t += (r.franges ? QStringLiteral(", une sur %1 marquée")
                        : QStringLiteral(", un sur %1 marqué"))
                 .arg(g.pasOrdres);
    return t;
}

void titre(QPainter &p, const FenetreFigures &fenetre, const QString &lumiere,
           std::span<const RetardCouleur> table, const QString &reperes)
{
    p.setPen(Qt::black);
    p.setFont(police(typo::Titre, true));
    texte(p, {Page.width() / 2, 26}, Qt::AlignHCenter | Qt::AlignTop,
          QString::fromUtf8("Charte de Michel-Lévy en ") + lumiere);
    p.setFont(police(typo::Texte));
    const QString detail =
        QString::fromUtf8("Retard de 0 à %1 nm, %2 valeurs ;  Δ = δ × épaisseur ;  "
                          "tirets : lame mince de %3 µm ;  %4")
            .arg(table.back().x)
            .arg(table.size())
            .arg(EpaisseurLameMince)
            .arg(reperes);
    texte(p, {Page.width() / 2, 48}, Qt::AlignHCenter | Qt::AlignTop,
          Capitale(ModeEtReglages(fenetre)));
    texte(p, {Page.width() / 2, 60}, Qt::AlignHCenter | Qt::AlignTop, detail);
}

void dessineCharte(QPainter &p, const FenetreFigures &fenetre, std::span<const RetardCouleur> table,
                   const QString &lumiere, const ReperesCharte &reperes)
{
    const double retardMax = table.back().x;
    const GeometrieCharte g = GeometrieMichelLevy(
        retardMax, {Trace.width(), Trace.height(), EcartEtiquettes}, reperes.intervalle);
    p.fillRect(QRectF(QPointF(0, 0), Page), Qt::white);
    fond(p, fenetre, table, retardMax);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.save();
    p.setClipRect(Trace);
    lignes(p, g);
    lameMince(p, retardMax);
    DessineMinerauxCharte(p, fenetre.mineraux, Trace, retardMax);
    p.restore();
    etiquettes(p, g);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Trace);
    axeEpaisseur(p, retardMax);
    axeRetard(p, g, reperes.franges);
    titre(p, fenetre, lumiere, table, texteReperes(g, reperes));
}

} // namespace

QRectF TraceCharteMichelLevy() { return Trace; }

void VerifieTableCharte(std::span<const RetardCouleur> table)
{
    if (table.empty() || table.back().x <= 0)
        throw Erreur("La charte demande un retard maximum positif");
}

QByteArray OctetsCharteMichelLevy(const FenetreFigures &fenetre, FormatFigure format,
                                  std::span<const RetardCouleur> table, const QString &lumiere,
                                  const ReperesCharte &reperes)
{
    VerifieTableCharte(table);
    const QString nom = QString::fromUtf8("Charte de Michel-Lévy");
    if (format != FormatFigure::Png)
        return FigureVectorielle(format, Page, Pouce, nom, [&](QCPPainter &p) {
            dessineCharte(p, fenetre, table, lumiere, reperes);
        });
    const double echelle = Dpi / Pouce;
    QImage image(QSizeF(Page * echelle).toSize(), QImage::Format_RGB32);
    const auto resolution = [&](double dpi) {
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
    };
    resolution(Pouce); // drawn in points, fonts included
    {
        QPainter p(&image);
        p.scale(echelle, echelle);
        dessineCharte(p, fenetre, table, lumiere, reperes);
    }
    resolution(Dpi);
    return OctetsPng(image);
}

void EnregistreCharteMichelLevy(const FenetreFigures &fenetre)
{
    VerifieTableCharte(tab_interferences); // before the user picks a name
    if (const std::optional<QString> nom = DemandeNomFigure())
        EnregistreFichier(
            *nom, OctetsCharteMichelLevy(fenetre, FormatDuNom(*nom), tab_interferences,
                                         LumiereDeLaCharte(fenetre), ReperesDeLaCharte(fenetre)));
}

QSizeF PageCharteMichelLevy() { return Page; }

void DessineCharteMichelLevy(const FenetreFigures &fenetre, QPainter &p,
                             std::span<const RetardCouleur> table, const QString &lumiere)
{
    dessineCharte(p, fenetre, table, lumiere, ReperesDeLaCharte(fenetre));
}
