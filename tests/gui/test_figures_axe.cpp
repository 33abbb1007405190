// SPDX-License-Identifier: GPL-3.0-or-later
// The saved strip's axis: its numbers and order names where their retardations are.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/couleurs/Ordres.h"
#include "MichelLevySpectre/figures/FigureBande.h"
#include "MichelLevySpectre/figures/FigureCourbes.h"
#include "MichelLevySpectre/figures/Typographie.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QMenu>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>
#include <qcustomplot.h>

#include <map>

namespace {

// Each text of the SVG and the page x of its centre, as the generator's 72 dpi measures it.
std::map<QString, double> centresDesTextes(const QByteArray &svg)
{
    QImage appareil(1, 1, QImage::Format_RGB32);
    appareil.setDotsPerMeterX(qRound(72 / 0.0254));
    appareil.setDotsPerMeterY(qRound(72 / 0.0254));
    std::map<QString, double> centres;
    QXmlStreamReader xml(svg);
    QTransform g;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QStringLiteral("g")) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("matrix\\(([^)]*)\\)"))
                    .match(a.value(QStringLiteral("transform")));
            const QStringList v = m.captured(1).split(QLatin1Char(','));
            g = v.size() == 6 ? QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(),
                                           v[3].toDouble(), v[4].toDouble(), v[5].toDouble())
                              : QTransform();
        } else if (xml.name() == QStringLiteral("text")) {
            QFont police(a.value(QStringLiteral("font-family")).toString());
            police.setPointSizeF(a.value(QStringLiteral("font-size")).toDouble());
            police.setItalic(a.value(QStringLiteral("font-style")) == QStringLiteral("italic"));
            const double x = a.value(QStringLiteral("x")).toDouble();
            const QString t = xml.readElementText();
            const double large = QFontMetricsF(police, &appareil).horizontalAdvance(t);
            centres[t] = g.map(QPointF(x + large / 2, 0)).x();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return centres;
}

} // namespace

using AxeBande = FenetreTest;

TEST_F(AxeBande, numbersAndOrderNamesSitAtTheirRetardations)
{
    ouvre(); // 0 to 3000 nm by 6, the strip 1237 pixels wide
    ASSERT_EQ(tab_interferences.back().x, 3000);
    const std::map<QString, double> centres = centresDesTextes(OctetsFigureBande(
        FenetrePourLesFigures(f()), FormatFigure::Svg, tab_interferences, 1237, 97));
    // The strip spans 36 to 36 + 1237 × 0.75 points.
    const auto x = [](double retard) { return 36 + retard / 3000 * 1237 * 0.75; };
    int nombres = 0;
    for (int r = 0; r <= 3000; r += 100)
        if (const auto c = centres.find(QString::number(r)); c != centres.end()) {
            EXPECT_NEAR(c->second, x(r), 0.6) << r << " nm";
            ++nombres;
        }
    EXPECT_GE(nombres, 6);
    EXPECT_TRUE(centres.count(QStringLiteral("0")) && centres.count(QStringLiteral("3000")));
    // Between two boundaries 551 nm apart, the last one at 2755 nm.
    for (int ordre = 1; ordre <= 6; ++ordre) {
        const QString nom = QString::fromStdString(NomOrdre(ordre));
        ASSERT_TRUE(centres.count(nom)) << nom.toStdString();
        const double milieu = (x((ordre - 1) * 551) + x(std::min(3000, ordre * 551))) / 2;
        EXPECT_NEAR(centres.at(nom), milieu, 0.6) << nom.toStdString();
    }
    EXPECT_FALSE(centres.count(QString::fromStdString(NomOrdre(7))));
}

// Each line of the strip, curves, full chart and sheet names the colour mode at most once, one
// with every setting; in colorimetric mode the curves are the strip's colours.
TEST_F(AxeBande, linesNameTheModeOnceWithTheSettings_curvesShowTheStripsColours)
{
    ouvre();
    for (const bool colorimetriques : {false, true}) {
        f().reglages().choisitCouleursColorimetriques(colorimetriques);
        const QString reglages = QString::fromUtf8(
            colorimetriques ? "couleurs colorimétriques, égale énergie, œil adapté, polariseurs "
                              "croisés, sans lame"
                            : "couleurs du tableau, polariseurs croisés, sans lame");
        dialogues_.nomChoisi = dossier() + QStringLiteral("/planche.svg");
        f().Image_michel_levy->findChild<QMenu *>()->actions().at(3)->trigger();
        QFile planche(*dialogues_.nomChoisi);
        ASSERT_TRUE(planche.open(QIODevice::ReadOnly));
        for (const QByteArray &svg :
             {OctetsFigureBande(FenetrePourLesFigures(f()), FormatFigure::Svg, tab_interferences,
                                1237, 97),
              OctetsFigureCourbes(FenetrePourLesFigures(f()), FormatFigure::Svg, f().Chart2),
              OctetsCharteMichelLevy(FenetrePourLesFigures(f()), FormatFigure::Svg,
                                     tab_interferences,
                                     LumiereDeLaCharte(FenetrePourLesFigures(f()))),
              planche.readAll()}) {
            int completes = 0;
            for (const auto &[t, x] : centresDesTextes(svg)) {
                EXPECT_LE(t.count(reglages.section(QLatin1Char(','), 0, 0), Qt::CaseInsensitive), 1)
                    << t.toStdString();
                completes += t.contains(reglages, Qt::CaseInsensitive);
            }
            EXPECT_GE(completes, 1) << reglages.toStdString();
        }
        const std::vector<std::uint32_t> bande =
            CouleursMichelLevy(tab_interferences, f().reglages().couleursColorimetriques(),
                               f().reglages().microscope());
        const std::unique_ptr<QCustomPlot> courbes =
            FigureCourbes(FenetrePourLesFigures(f()), f().Chart2, {720, 450});
        for (int k = 0; k < 3; ++k) // red in the low byte
            for (int i = 0; i < int(bande.size()); ++i)
                ASSERT_EQ(courbes->graph(k)->data()->at(i)->value,
                          colorimetriques ? double((bande[std::size_t(i)] >> 8 * k) & 0xFF)
                                          : f().Chart2->graph(k)->data()->at(i)->value)
                    << k << " " << i;
    }
}
