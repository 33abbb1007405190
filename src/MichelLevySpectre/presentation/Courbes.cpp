// Intensity charts: the R, G, B curves of a table, replaced at every plot.
#include "MichelLevySpectre/MichelLevySpectre.h"

#include "Unit1.h"

#include <qcustomplot.h>

namespace {

struct Courbe {
    std::uint32_t couleur;
    int largeur;
};
constexpr Courbe courbes[3] = {{255, 3}, {32768, 2}, {16711680, 1}};

QColor couleurQt(std::uint32_t v)
{
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// Keys and the three value columns of one plot, in table order.
struct Points {
    QVector<double> x, r, g, b;
};

Points points(std::span<const RetardCouleur> table, double echelle)
{
    Points p;
    for (QVector<double> *v : {&p.x, &p.r, &p.g, &p.b})
        v->resize(qsizetype(table.size()));
    for (std::size_t k = 0; k < table.size(); ++k) {
        const RetardCouleur &l = table[k];
        const auto i = qsizetype(k);
        p.x[i] = l.x;
        p.r[i] = l.R * echelle;
        p.g[i] = l.G * echelle;
        p.b[i] = l.B * echelle;
    }
    return p;
}

bool croissant(const QVector<double> &x) { return std::is_sorted(x.cbegin(), x.cend()); }

} // namespace

void TraceCourbes(std::int32_t kind, QCustomPlot *chart, const QString &caption)
{
    const Tab_RetardCouleur *table = kind == 1 ? &tab_incidente
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
        g[k]->setPen(QPen(couleurQt(courbes[k].couleur), courbes[k].largeur));
    chart->xAxis->setLabel(caption);
    chart->yAxis->setRange(-5, 260);
    const Points p = points(*table, kind == 1 ? 255.0 : 1.0);
    const bool trie = croissant(p.x);
    g[0]->setData(p.x, p.r, trie);
    g[1]->setData(p.x, p.g, trie);
    g[2]->setData(p.x, p.b, trie);
    chart->xAxis->rescale();
    chart->replot(QCustomPlot::rpQueuedReplot);
}

void RafraichitCourbeIncidente()
{
    TraceCourbes(1, Form1->Chart1,
                 QStringLiteral("Monochromatique ") + QString::number(tab_incidente.size()) +
                     QStringLiteral(" valeurs"));
}
