// SPDX-License-Identifier: GPL-3.0-or-later
// The full chart: the strip's colours between its lines, the 30 µm line where it belongs, and
// the most common minerals named, each as text in the SVG beside the bar that spans where its
// birefringence lines meet the edge.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/figures/CharteMineraux.h"
#include "MichelLevySpectre/figures/Figures.h"

#include <QRegularExpression>
#include <QTransform>

#include <algorithm>
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
    const std::vector<NomCharte> noms =
        NomsSurCharte(f().reglages().mineraux(), trace, tab_interferences.back().x);
    EXPECT_GE(noms.size(), 15u);
    const std::map<QString, QPointF> textes = textesSvg(QString::fromUtf8(
        OctetsCharteMichelLevy(FenetrePourLesFigures(f()), FormatFigure::Svg, tab_interferences,
                               QStringLiteral("lumière blanche"))));
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
    for (const std::string cours :
         {"quartz",   "orthose",    "plagioclase", "microcline",  "muscovite", "biotite",
          "chlorite", "hornblende", "augite",      "olivine",     "calcite",   "dolomite",
          "zircon",   "tourmaline", "épidote",     "sillimanite", "disthène",  "staurotide",
          "sphène",   "apatite",    "cordiérite"})
        EXPECT_TRUE(std::any_of(noms.begin(), noms.end(), [&](auto &n) { return n.nom == cours; }))
            << cours;
}

using CharteMichelLevy = FenetreTest;

TEST_F(CharteMichelLevy, awayFromLinesAndTextTheColourIsTheStrips)
{
    ouvre(); // 0 to 3000 nm by 6
    ASSERT_EQ(tab_interferences.size(), 501u);
    for (const bool colorimetriques : {false, true}) { // the chart follows the strip's colours
        SCOPED_TRACE(colorimetriques ? "colorimetric colours" : "table colours");
        f().reglages().choisitCouleursColorimetriques(colorimetriques);
        const QImage image = QImage::fromData(
            OctetsCharteMichelLevy(FenetrePourLesFigures(f()), FormatFigure::Png, tab_interferences,
                                   LumiereDeLaCharte(FenetrePourLesFigures(f()))));
        ASSERT_EQ(image.size(), QSize(3508, 2480));
        EXPECT_EQ(qRound(image.dotsPerMeterX() * 0.0254), 300);
        const double pixelsParPoint = 300 / 72.0;
        const QRectF trace = TraceCharteMichelLevy();
        const std::vector<std::uint32_t> couleurs =
            CouleursMichelLevy(tab_interferences, f().reglages().couleursColorimetriques(),
                               f().reglages().microscope());
        struct Point {
            int retard;
            double epaisseur;
        };
        // Clear of the lines Δ = δ t, the dashed 30 µm line and the order marks.
        for (const Point p : {Point{702, 3}, Point{1500, 3}, Point{2400, 3}, Point{2400, 45}}) {
            const double x = trace.left() + p.retard / 3000.0 * trace.width();
            const double y = trace.bottom() - p.epaisseur / 50 * trace.height();
            const QRgb c = image.pixel(int(x * pixelsParPoint), int(y * pixelsParPoint));
            EXPECT_EQ(CouleurValeur(qRed(c), qGreen(c), qBlue(c)),
                      couleurs[std::size_t(p.retard / 6)])
                << p.retard << " nm, " << p.epaisseur << " µm";
        }
        // The dashed thin-section line runs at 30 µm, not elsewhere: dark along about 60 %
        // of its row between two birefringence lines, at 20 µm along none of it.
        const auto sombre = [&](double epaisseur) {
            const int y = int((trace.bottom() - epaisseur / 50 * trace.height()) * pixelsParPoint);
            int n = 0, total = 0;
            for (int retard = 2420; retard <= 2680; ++retard, ++total) {
                const double x = trace.left() + retard / 3000.0 * trace.width();
                n += qGray(image.pixel(int(x * pixelsParPoint), y)) < 60;
            }
            return double(n) / total;
        };
        EXPECT_GT(sombre(30), 0.4);
        EXPECT_LT(sombre(20), 0.05);
    }
}
