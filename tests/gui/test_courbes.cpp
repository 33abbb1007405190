// SPDX-License-Identifier: GPL-3.0-or-later
// Intensity charts: three new curves at every plot, fixed vertical range.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"

#include <qcustomplot.h>

namespace {

void attendCourbes(QCustomPlot *chart)
{
    ASSERT_EQ(chart->graphCount(), 3);
    const QColor couleurs[3] = {CouleurQt(Rouge), CouleurQt(Vert), CouleurQt(Bleu)};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(chart->graph(k)->pen().color(), couleurs[k]);
        EXPECT_EQ(chart->graph(k)->pen().width(), 3 - k);
    }
    EXPECT_EQ(chart->yAxis->range().lower, -5);
    EXPECT_EQ(chart->yAxis->range().upper, 260);
}

} // namespace

using Courbes = FenetreTest;

TEST_F(Courbes, incidentChart_401PointsScaledTo255)
{
    ouvre();
    QCustomPlot *chart = f().Chart1;
    attendCourbes(chart);
    EXPECT_TRUE(f().Series1.isNull()); // the design series went with the first plot
    EXPECT_EQ(chart->xAxis->label(), "Monochromatique 401 valeurs");
    for (int k = 0; k < 3; ++k)
        ASSERT_EQ(chart->graph(k)->dataCount(), 401);
    const auto *rouge = chart->graph(0)->data().data();
    EXPECT_EQ(rouge->at(0)->key, 400);
    EXPECT_EQ(rouge->at(400)->key, 800);
    EXPECT_DOUBLE_EQ(rouge->at(204)->value, tab_incidente[204].R * 255);
    EXPECT_EQ(chart->xAxis->range().lower, 400);
    EXPECT_EQ(chart->xAxis->range().upper, 800);
}

TEST_F(Courbes, interferenceChart_valuesAsStoredAndTitleWithTheCount)
{
    ouvre();
    f().Edit1->setText("3000");
    tape(f().Edit2, "10");
    QCustomPlot *chart = f().Chart2;
    attendCourbes(chart);
    EXPECT_EQ(chart->xAxis->label(), "retard en nm 301 valeurs");
    const auto *vert = chart->graph(1)->data().data();
    ASSERT_EQ(vert->size(), 301);
    EXPECT_EQ(vert->at(300)->key, 3000);
    EXPECT_DOUBLE_EQ(vert->at(150)->value, tab_interferences[150].G);
    EXPECT_EQ(chart->xAxis->range().upper, 3000);
}

TEST_F(Courbes, plottingTwice_leavesThreeCurves)
{
    ouvre();
    RafraichitCourbeIncidente(f());
    RafraichitCourbeIncidente(f());
    attendCourbes(f().Chart1);
}

TEST_F(Courbes, emptyTableOrNoChart_leavesTheChartAsItWas)
{
    ouvre();
    const Tab_RetardCouleur garde = tab_incidente;
    tab_incidente.clear();
    TraceCourbes(1, f().Chart1, "autre");
    EXPECT_EQ(f().Chart1->xAxis->label(), "Monochromatique 401 valeurs");
    EXPECT_EQ(f().Chart1->graph(0)->dataCount(), 401);
    TraceCourbes(2, nullptr, "autre");
    tab_incidente = garde;
}

TEST_F(Courbes, allZeroValues_keepTheFixedVerticalRange)
{
    ouvre();
    Tab_RetardCouleur zero(EchantillonsSpectre);
    std::swap(zero, tab_incidente);
    RafraichitCourbeIncidente(f());
    attendCourbes(f().Chart1);
    std::swap(zero, tab_incidente);
}
