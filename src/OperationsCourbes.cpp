// SPDX-License-Identifier: GPL-3.0-or-later
// Intensity charts: the R, G, B curves of a table, replaced at every plot.
#include "MichelLevySpectre.h"

#include "Unit1.h"

#include <qcustomplot.h>

namespace {

struct Courbe {
    std::uint32_t couleur;
    int largeur;
    double RetardCouleur::*canal;
};
constexpr Courbe courbes[3] = {
    {Rouge, 3, &RetardCouleur::R}, {Vert, 2, &RetardCouleur::G}, {Bleu, 1, &RetardCouleur::B}};

// One curve's points, made straight in the chart's own point type (one allocation each).
QVector<QCPGraphData> points(std::span<const RetardCouleur> table, double RetardCouleur::*canal,
                             double echelle)
{
    QVector<QCPGraphData> p(qsizetype(table.size()));
    for (std::size_t k = 0; k < table.size(); ++k)
        p[qsizetype(k)] = QCPGraphData(table[k].x, table[k].*canal * echelle);
    return p;
}

bool croissant(std::span<const RetardCouleur> table)
{
    return std::is_sorted(table.begin(), table.end(),
                          [](const RetardCouleur &a, const RetardCouleur &b) { return a.x < b.x; });
}

} // namespace

void TraceCourbes(std::int32_t kind, QCustomPlot *chart, const QString &caption)
{
    const Tab_RetardCouleur *table = kind == 1   ? &tab_incidente
                                     : kind == 2 ? &tab_interferences
                                                 : nullptr;
    if (!chart || !table || table->empty())
        return;
    chart->clearGraphs();
    QCPGraph *g[3];
    for (int k = 0; k < 3; ++k) {
        g[k] = chart->addGraph();
        g[k]->setAdaptiveSampling(true);
        g[k]->setAntialiased(false);
    }
    for (int k = 0; k < 3; ++k)
        g[k]->setPen(QPen(CouleurQt(courbes[k].couleur), courbes[k].largeur));
    chart->xAxis->setLabel(caption);
    chart->yAxis->setRange(-5, 260);
    const double echelle = kind == 1 ? 255.0 : 1.0;
    const bool trie = croissant(*table);
    for (int k = 0; k < 3; ++k)
        g[k]->data()->set(points(*table, courbes[k].canal, echelle), trie);
    chart->xAxis->rescale();
    chart->replot(QCustomPlot::rpQueuedReplot);
}

void RafraichitCourbeIncidente(TForm1 &f)
{
    TraceCourbes(1, f.Chart1,
                 QStringLiteral("Monochromatique ") + QString::number(tab_incidente.size()) +
                     QStringLiteral(" valeurs"));
}
