// SPDX-License-Identifier: GPL-3.0-or-later
// Each name beside a bar along the top or right edge, inside the plot, over a light ground so
// that it reads over the dark colours too; SVG and PDF keep the names as text.
#include "MichelLevySpectre/figures/CharteMineraux.h"

#include "MichelLevySpectre/figures/Typographie.h"

#include "MichelLevySpectre/charte/GeometrieCharte.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace {

constexpr double Points = 6.5; // legible on A4
constexpr double Voie = 9.0;   // points between two rows of names
constexpr int Voies = 9;
constexpr double Ecart = 4.0;
constexpr double Filet = 3.6; // the tie under a bar and its name, from the row's middle

QFont police() { return typo::police(Points); }

// Widths in points, as a 72 dpi device measures them.
double largeur(const QString &texte)
{
    static QImage mesure = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(72 / 0.0254));
        i.setDotsPerMeterY(qRound(72 / 0.0254));
        return i;
    }();
    return QFontMetricsF(police(), &mesure).horizontalAdvance(texte);
}

void barre(QPainter &p, const QLineF &l)
{
    p.setPen(QPen(QColor(255, 255, 255, 200), 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(l);
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(l);
}

// The name from `debut` along the x axis of the painter, centred on y = 0.
void nom(QPainter &p, double debut, double longueur, const QString &texte)
{
    const QRectF boite(debut - 1, -Voie / 2 + 0.5, longueur + 2, Voie - 1);
    p.fillRect(boite, QColor(255, 255, 255, 190));
    p.setPen(Qt::black);
    p.drawText(boite, Qt::AlignCenter | Qt::TextDontClip, texte);
}

} // namespace

std::vector<NomCharte> NomsSurCharte(std::span<const Mineral> table, const QRectF &trace,
                                     double retardMax)
{
    const std::vector<Mineral> courants = MinerauxDeLaCharte(table, MinerauxSurCharte);
    std::vector<NomAPlacer> a;
    for (const Mineral &m : courants)
        a.push_back({m.deltaMin, m.deltaMax, largeur(QString::fromStdString(m.nom))});
    const ZoneNoms zone{trace.width(), trace.height(), retardMax, EpaisseurMaxCharte,
                        Voie,          Voies,          Ecart};
    std::vector<NomCharte> noms;
    for (const NomPlace &place : PlaceNomsMineraux(a, zone))
        noms.push_back({courants[place.indice].nom, place});
    return noms;
}

void DessineMinerauxCharte(QPainter &p, std::span<const Mineral> table, const QRectF &trace,
                           double retardMax)
{
    p.save();
    p.setFont(police());
    for (const NomCharte &n : NomsSurCharte(table, trace, retardMax)) {
        const NomPlace &e = n.place;
        p.save();
        if (e.bordHaut) {
            p.translate(trace.left(), trace.top() + (e.voie + 0.5) * Voie);
        } else { // written upwards, the edge's length measured from the bottom
            p.translate(trace.right() - (e.voie + 0.5) * Voie, trace.bottom());
            p.rotate(-90);
        }
        barre(p, QLineF(e.barreDebut, 0, e.barreFin, 0));
        nom(p, e.texteDebut, e.texteFin - e.texteDebut, QString::fromStdString(n.nom));
        p.setPen(QPen(Qt::black, 0.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QLineF(e.filetDebut, Filet, e.filetFin, Filet));
        p.restore();
    }
    p.restore();
}
