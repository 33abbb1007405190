// SPDX-License-Identifier: GPL-3.0-or-later
// The full chart names the most common minerals: each name is text in the SVG, drawn beside the
// bar that spans where its birefringence lines meet the edge.
#include "FenetreTest.h"

#include "MichelLevySpectre/MichelLevySpectre.h"
#include "MichelLevySpectre/qt/CharteMineraux.h"
#include "MichelLevySpectre/qt/Figures.h"

#include <QRegularExpression>
#include <QTransform>

#include <map>

namespace {

// Where each text of the SVG starts on the page: its x, y through its group's matrix.
std::map<QString, QPointF> textesSvg(const QString &svg)
{
    static const QRegularExpression motif(QStringLiteral(
        R"re(transform="matrix\(([^)]*)\)"|<text[^>]* x="([^"]*)" y="([^"]*)"[^>]*>([^<]*)</text>)re"));
    std::map<QString, QPointF> textes;
    QTransform m;
    for (const QRegularExpressionMatch &t : motif.globalMatch(svg)) {
        const QStringList v = t.captured(1).split(QLatin1Char(','));
        if (v.size() == 6)
            m = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                           v[4].toDouble(), v[5].toDouble());
        else if (t.hasCaptured(4))
            textes[t.captured(4)] =
                m.map(QPointF(t.captured(2).toDouble(), t.captured(3).toDouble()));
    }
    return textes;
}

} // namespace

using CharteMineraux = FenetreTest;

TEST_F(CharteMineraux, fullChartNamesCommonMineralsAsTextBesideTheirBars)
{
    ouvre();
    const QRectF trace = TraceCharteMichelLevy();
    const std::vector<NomCharte> noms = NomsSurCharte(trace, tab_interferences.back().x);
    EXPECT_GE(noms.size(), 15u);
    const std::map<QString, QPointF> textes = textesSvg(QString::fromUtf8(OctetsCharteMichelLevy(
        FormatFigure::Svg, tab_interferences, QStringLiteral("lumière blanche"))));
    for (const NomCharte &n : noms) {
        const auto t = textes.find(QString::fromStdString(n.nom));
        ASSERT_NE(t, textes.end()) << n.nom;
        const NomPlace &p = n.place;
        const double rangee = (p.voie + 0.5) * 9; // the row's middle, inwards from the edge
        const QPointF attendu =
            p.bordHaut ? QPointF(trace.left() + p.texteDebut, trace.top() + rangee)
                       : QPointF(trace.right() - rangee, trace.bottom() - p.texteDebut);
        EXPECT_NEAR(t->second.x(), attendu.x(), p.bordHaut ? 1.5 : 4.5) << n.nom;
        EXPECT_NEAR(t->second.y(), attendu.y(), p.bordHaut ? 4.5 : 1.5) << n.nom;
        EXPECT_TRUE(p.texteDebut == p.barreFin + 2 || p.texteFin == p.barreDebut - 2) << n.nom;
    }
}
