// SPDX-License-Identifier: GPL-3.0-or-later
// The strip figure: the window's picture of the strip with a title and a retardation axis.
#include "MichelLevySpectre/figures/FigureBande.h"

#include "MichelLevySpectre/charte/Graduations.h"
#include "MichelLevySpectre/couleurs/Ordres.h"
#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "MichelLevySpectre/figures/PeintureMichelLevy.h"
#include "MichelLevySpectre/figures/Typographie.h"
#include "MichelLevySpectre/reglages/CouleursBande.h"
#include "toolkit/Dialogues.h"
#include "toolkit/TImage.h"

#include <qcustomplot.h>

#include <QPainter>

namespace {

// Points, multiples of 0.75 so that a pixel of the window stays a whole pixel at 96 and
// 384 dpi.
constexpr double PointsParPixel = 0.75;
constexpr double Marge = 36;        // left and right of the strip, for the end labels
constexpr double HautTitre = 63;    // title and two detail lines above the strip
constexpr double HautSansTitre = 6; // above the strip on a sheet
constexpr double Axe = 60;          // below the strip: numbers, orders, axis title
constexpr double EcartOrdres = 3;   // closest two order marks may come

// A canvas over an image: every straight line becomes the rectangle that the window's pen
// would cover, filled straight into the pixels (a million rows must not cost a painter each).
struct ToileImage {
    QImage &image;
    Stylo Pen;
    int x = 0;
    int y = 0;
    void MoveTo(int X, int Y)
    {
        x = X;
        y = Y;
    }
    void LineTo(int X, int Y)
    {
        const QRect r = TraitDroit(x, y, X, Y, Pen.Width).intersected(image.rect());
        MoveTo(X, Y);
        if (r.isEmpty())
            return;
        const QRgb c = CouleurQt(Pen.Color).rgb();
        uchar *debut = image.bits();
        for (int l = r.top(); l <= r.bottom(); ++l) {
            auto *ligne = reinterpret_cast<QRgb *>(debut + l * image.bytesPerLine());
            std::fill(ligne + r.left(), ligne + r.right() + 1, c);
        }
    }
};

// The picture as vector rectangles: one per run of equal columns over the whole height,
// then the marks at the top where they differ from the column below.
void rectangles(QPainter &p, const QRectF &zone, const QImage &image)
{
    const double sx = zone.width() / image.width(), sy = zone.height() / image.height();
    const int bas = image.height() - 1, marque = std::min(10, image.height());
    const auto marqueEn = [&](int x) { return image.pixel(x, 0) != image.pixel(x, bas); };
    for (const int y : {bas, 0}) {
        const bool fond = y == bas;
        for (int debut = 0; debut < image.width();) {
            const QRgb c = image.pixel(debut, y);
            int fin = debut + 1;
            while (fin < image.width() && image.pixel(fin, y) == c &&
                   (fond || marqueEn(fin) == marqueEn(debut)))
                ++fin;
            if (fond || marqueEn(debut)) {
                // Each run reaches under the next one, so that no seam shows between them.
                const double recouvre = fin < image.width() ? 0.5 : 0;
                p.fillRect(QRectF(zone.left() + debut * sx, zone.top(),
                                  (fin - debut + recouvre) * sx,
                                  (fond ? image.height() : marque) * sy),
                           QColor(c));
            }
            debut = fin;
        }
    }
}

double intervalleOrdres(const FenetreFigures &fenetre)
{
    if (fenetre.mode == ModeLumiere::Blanche)
        return IntervalleOrdres;
    return std::max(1, fenetre.centreBande);
}

struct Echelle {
    QRectF bande;
    double debut;
    double fin;
    double x(double retard) const
    {
        return bande.left() + (retard - debut) / (fin - debut) * bande.width();
    }
};

void graduations(QPainter &p, const Echelle &a)
{
    p.setFont(typo::police(typo::Texte));
    const double large =
        QFontMetricsF(p.font(), p.device()).horizontalAdvance(typo::entier(std::llround(a.fin)));
    p.setPen(QPen(Qt::black, 0.6));
    for (const std::int64_t r : GraduationsRetard(a.debut, a.fin, a.bande.width(), large)) {
        const QPointF b(a.x(double(r)), a.bande.bottom());
        p.drawLine(b, b + QPointF(0, 4));
        typo::texte(p, b + QPointF(0, 5), Qt::AlignHCenter | Qt::AlignTop, typo::entier(r));
    }
}

// The boundaries as marks over the strip's foot and down the order row, the names between.
void ordres(QPainter &p, const Echelle &a, const ReperesOrdres &o, double intervalle)
{
    const double haut = a.bande.bottom() + 20, bas = a.bande.bottom() + 34;
    p.setFont(typo::police(typo::Ordre, false, true));
    const QFontMetricsF mesure(p.font(), p.device());
    double debut = a.debut;
    for (std::size_t n = 0; n <= o.retards.size(); ++n) {
        const double fin = n < o.retards.size() ? o.retards[n] : a.fin;
        const double x0 = a.x(debut), x1 = a.x(fin);
        if (n < o.retards.size()) {
            p.setPen(QPen(QColor(255, 255, 255, 160), 1.7, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x1, a.bande.bottom() - 8), QPointF(x1, a.bande.bottom()));
            p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x1, a.bande.bottom() - 8), QPointF(x1, a.bande.bottom()));
            p.drawLine(QPointF(x1, haut), QPointF(x1, bas));
        }
        const QString nom = QString::fromStdString(NomOrdre(OrdreDuRetard(debut, intervalle)));
        if (o.tous == 1 && mesure.horizontalAdvance(nom) < x1 - x0 - 4)
            typo::texte(p, {(x0 + x1) / 2, (haut + bas) / 2}, Qt::AlignCenter, nom);
        debut = fin;
    }
    p.setFont(typo::police(typo::TitreAxe));
    typo::texte(p, {a.bande.center().x(), bas + 4}, Qt::AlignHCenter | Qt::AlignTop,
                QStringLiteral("Retard optique Δ (nm)"));
}

QString detail(std::span<const RetardCouleur> table, const ReperesOrdres &o, double intervalle)
{
    const QString d = Capitale(DescriptionTable(table));
    const QString repere = o.tous == 1
                               ? QStringLiteral("repères d'ordre tous les %1 nm").arg(intervalle)
                               : QStringLiteral("repères tous les %1 ordres (%2 nm)")
                                     .arg(o.tous)
                                     .arg(typo::entier(std::llround(double(o.tous) * intervalle)));
    return d + QStringLiteral(" ;  ") + repere;
}

} // namespace

QImage PeintureBande(const FenetreFigures &fenetre, std::span<const RetardCouleur> table,
                     int largeur, int hauteur)
{
    QImage image(std::max(1, largeur), std::max(1, hauteur), QImage::Format_RGB32);
    image.fill(Qt::white);
    ToileImage toile{image, {}};
    peinture::michelLevy(toile, table,
                         CouleursMichelLevy(table, fenetre.colorimetriques, fenetre.microscope),
                         image.width(), image.height());
    return image;
}

QSizeF TailleFigureBande(const QSizeF &bande, bool titre)
{
    return {bande.width() + 2 * Marge, (titre ? HautTitre : HautSansTitre) + bande.height() + Axe};
}

void DessineFigureBande(const FenetreFigures &fenetre, QPainter &p, const QPointF &origine,
                        const QSizeF &bande, bool titre, const QImage &peinture, bool vectorielle,
                        std::span<const RetardCouleur> table)
{
    const Echelle a{QRectF(origine + QPointF(Marge, titre ? HautTitre : HautSansTitre), bande),
                    double(table.front().x), double(table.back().x)};
    const double intervalle = intervalleOrdres(fenetre);
    const ReperesOrdres o = ReperesDOrdre(a.debut, a.fin, intervalle, bande.width(), EcartOrdres);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (vectorielle)
        rectangles(p, a.bande, peinture);
    else
        p.drawImage(a.bande, peinture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(a.bande);
    graduations(p, a);
    ordres(p, a, o, intervalle);
    if (titre) {
        const double milieu = origine.x() + TailleFigureBande(bande, true).width() / 2;
        p.setFont(typo::police(typo::Titre, true));
        typo::texte(p, {milieu, origine.y() + 8}, Qt::AlignHCenter | Qt::AlignTop,
                    QStringLiteral("Teintes de Michel-Lévy en ") + LumiereDeLaCharte(fenetre));
        p.setFont(typo::police(typo::Texte));
        typo::texte(p, {milieu, origine.y() + 33}, Qt::AlignHCenter | Qt::AlignTop,
                    Capitale(ModeEtReglages(fenetre)));
        typo::texte(p, {milieu, origine.y() + 45}, Qt::AlignHCenter | Qt::AlignTop,
                    detail(table, o, intervalle));
    }
    p.restore();
}

QByteArray OctetsFigureBande(const FenetreFigures &fenetre, FormatFigure format,
                             std::span<const RetardCouleur> table, int largeur, int hauteur)
{
    const QSizeF bande = QSizeF(largeur, hauteur) * PointsParPixel;
    const QSizeF taille = TailleFigureBande(bande, true);
    const bool png = format == FormatFigure::Png;
    // PNG: the strip painted four times as wide, as the window would paint it.
    const QImage peinture = PeintureBande(fenetre, table, png ? 4 * largeur : largeur, hauteur);
    const auto dessine = [&](QPainter &p) {
        p.fillRect(QRectF(QPointF(0, 0), taille), Qt::white);
        DessineFigureBande(fenetre, p, {0, 0}, bande, true, peinture, !png, table);
    };
    if (png)
        return OctetsPng(ImageEnPoints(taille, 4 * 96, dessine));
    return FigureVectorielle(format, taille, 72, QStringLiteral("Teintes de Michel-Lévy"),
                             [&](QCPPainter &p) { dessine(p); });
}

QImage ImageFigureBande(const FenetreFigures &fenetre, std::span<const RetardCouleur> table,
                        int largeur, int hauteur)
{
    const QSizeF bande = QSizeF(largeur, hauteur) * PointsParPixel;
    const QImage peinture = PeintureBande(fenetre, table, largeur, hauteur);
    return ImageEnPoints(TailleFigureBande(bande, true), 96, [&](QPainter &p) {
        DessineFigureBande(fenetre, p, {0, 0}, bande, true, peinture, false, table);
    });
}

QString DescriptionTable(std::span<const RetardCouleur> table)
{
    const std::int64_t pas = table.size() > 1 ? std::int64_t{table[1].x} - table[0].x : 0;
    return QStringLiteral("retard de %1 à %2 nm par pas de %3 nm (%4 valeurs)")
        .arg(table.front().x)
        .arg(table.back().x)
        .arg(pas)
        .arg(table.size());
}

bool TableFigurable(std::span<const RetardCouleur> table)
{
    if (table.size() >= 2 && table.back().x > table.front().x)
        return true;
    if (table.empty())
        dialogues().message(
            QStringLiteral("Rien à enregistrer : le tableau des interférences est vide."));
    else
        dialogues().message(
            QStringLiteral("Le tableau des interférences a moins de deux valeurs : il n'y a pas de "
                           "figure à faire. Choisissez un retard maximum plus grand que le pas."));
    return false;
}
