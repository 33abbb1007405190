// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the two charts, through the charting component's own title, legend and export.
#include "MichelLevySpectre/figures/FigureCourbes.h"

#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "MichelLevySpectre/figures/FigureBande.h"
#include "MichelLevySpectre/figures/Typographie.h"
#include "MichelLevySpectre/reglages/CouleursBande.h"

#include <qcustomplot.h>

namespace {

// Pixels at 96 per inch: a half-page figure.
const QSize TailleEcran(720, 450);
constexpr int Agrandissement = 4; // PNG
const char *const NomsCourbes[3] = {"rouge", "vert", "bleu"};

struct Textes {
    QString titre;
    QString detail;
    QString abscisse;
};

Textes textes(const FenetreFigures &fenetre, QCustomPlot *chart)
{
    if (chart == fenetre.courbesIncidentes) {
        const QString lumiere = fenetre.mode == ModeLumiere::Blanche
                                    ? QStringLiteral("spectre blanc, ") +
                                          (fenetre.spectreDuFichier ? QStringLiteral("fichier")
                                                                    : QStringLiteral("calculs"))
                                    : QStringLiteral("bande de %1 nm, largeur %2 nm")
                                          .arg(fenetre.centreBande)
                                          .arg(fenetre.largeurBande);
        return {QStringLiteral("Lumière incidente : ") + lumiere,
                QStringLiteral("%1 longueurs d'onde de %2 à %3 nm")
                    .arg(tab_incidente.size())
                    .arg(LambdaMin)
                    .arg(LambdaMax),
                QStringLiteral("Longueur d'onde λ (nm)")};
    }
    return {fenetre.colorimetriques
                ? QStringLiteral("Couleurs de la bande en R, V, B en fonction du retard")
                : QStringLiteral("Intensités R, V, B du tableau en fonction du retard"),
            Capitale(DescriptionFigure(fenetre)) + QStringLiteral("\n") +
                Capitale(DescriptionTable(tab_interferences)),
            QStringLiteral("Retard optique Δ (nm)")};
}

// The strip's colorimetric colours as the three curves: what the strip paints, not the table.
void composantesBande(QCPGraph *g, const std::vector<std::uint32_t> &couleurs, int k)
{
    QVector<double> retards, valeurs;
    for (std::size_t i = 0; i < couleurs.size(); ++i) {
        const Composantes c = EnComposantes(couleurs[i]);
        retards.push_back(double(tab_interferences[i].x));
        valeurs.push_back(double(k == 0 ? c.r : k == 1 ? c.g : c.b));
    }
    g->setData(retards, valeurs, true);
}

void axe(QCPAxis *a, const QString &titre)
{
    a->setLabel(titre);
    a->setLabelFont(typo::police(typo::TitreAxe));
    a->setTickLabelFont(typo::police(typo::Texte));
    a->setNumberFormat(QStringLiteral("f"));
    a->setNumberPrecision(0);
}

// Below the plot, centred: the legend between two empty cells that take the spare width.
void legende(QCustomPlot *plot)
{
    QCPLegend *l = plot->legend;
    l->setVisible(true);
    l->setFont(typo::police(typo::Texte));
    l->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    l->setColumnSpacing(24);
    l->setBorderPen(Qt::NoPen);
    plot->axisRect()->insetLayout()->take(l);
    auto *rangee = new QCPLayoutGrid;
    plot->plotLayout()->addElement(plot->plotLayout()->rowCount(), 0, rangee);
    rangee->addElement(0, 0, new QCPLayoutElement(plot));
    rangee->addElement(0, 1, l);
    rangee->addElement(0, 2, new QCPLayoutElement(plot));
    rangee->setColumnStretchFactor(1, 0.001);
    l->setMargins(QMargins(6, 0, 6, 10));
}

} // namespace

std::unique_ptr<QCustomPlot> FigureCourbes(const FenetreFigures &fenetre, QCustomPlot *chart,
                                           const QSize &taille)
{
    auto plot = std::make_unique<QCustomPlot>();
    plot->setAttribute(Qt::WA_DontShowOnScreen);
    plot->resize(taille);
    plot->setLocale(typo::nombres());
    plot->setBackground(Qt::white);
    plot->setPlottingHint(QCP::phFastPolylines, true);
    const bool bande = chart == fenetre.courbesInterferences && fenetre.colorimetriques;
    const std::vector<std::uint32_t> couleurs =
        bande ? CouleursMichelLevyColorimetriques(tab_interferences, fenetre.microscope)
              : std::vector<std::uint32_t>{};
    for (int k = 0; k < chart->graphCount() && k < 3; ++k) {
        QCPGraph *g = plot->addGraph();
        if (bande)
            composantesBande(g, couleurs, k);
        else
            g->setData(chart->graph(k)->data()); // shared, read only
        g->setPen(chart->graph(k)->pen());
        g->setName(QString::fromUtf8(NomsCourbes[k]));
        // Smooth lines while each fits in its pixels; beyond, a band as in the window.
        g->setAntialiased(g->data()->size() <= TailleEcran.width());
    }
    const Textes t = textes(fenetre, chart);
    axe(plot->xAxis, t.abscisse);
    axe(plot->yAxis, QStringLiteral("Intensité (0 à 255)"));
    plot->xAxis->setRange(chart->xAxis->range());
    plot->yAxis->setRange(chart->yAxis->range());
    QCPLayoutGrid *page = plot->plotLayout();
    page->insertRow(0);
    page->addElement(0, 0,
                     new QCPTextElement(plot.get(), t.titre, typo::police(typo::Titre, true)));
    page->insertRow(1);
    page->addElement(1, 0, new QCPTextElement(plot.get(), t.detail, typo::police(typo::Texte)));
    legende(plot.get());
    for (int r : {0, 1, 3})
        page->setRowStretchFactor(r, 0.001);
    page->setRowSpacing(0);
    plot->replot(QCustomPlot::rpImmediateRefresh);
    return plot;
}

QByteArray OctetsFigureCourbes(const FenetreFigures &fenetre, FormatFigure format,
                               QCustomPlot *chart)
{
    const std::unique_ptr<QCustomPlot> plot = FigureCourbes(fenetre, chart, TailleEcran);
    if (format == FormatFigure::Png) {
        QImage image = plot->toPixmap(0, 0, Agrandissement).toImage();
        const int dpm = qRound(96.0 * Agrandissement / 0.0254);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return OctetsPng(image);
    }
    return FigureVectorielle(format, TailleEcran, 96, textes(fenetre, chart).titre,
                             [&](QCPPainter &p) { plot->toPainter(&p); });
}

QImage ImageFigureCourbes(const FenetreFigures &fenetre, QCustomPlot *chart)
{
    return FigureCourbes(fenetre, chart, TailleEcran)->toPixmap().toImage();
}
