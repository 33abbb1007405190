// SPDX-License-Identifier: GPL-3.0-or-later
#include "EtatCalcul.h"

#include "MichelLevySpectre.h"
#include "toolkit/TMemo.h"

#include <QApplication>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int points(QCustomPlot *chart, int k)
{
    return k < chart->graphCount() ? chart->graph(k)->dataCount() : -1;
}

bool memesOctets(const Tab_RetardCouleur &a, const Tab_RetardCouleur &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](const RetardCouleur &u, const RetardCouleur &v) {
                                                  return u.x == v.x &&
                                                         std::memcmp(&u.R, &v.R, sizeof u.R) == 0 &&
                                                         std::memcmp(&u.G, &v.G, sizeof u.G) == 0 &&
                                                         std::memcmp(&u.B, &v.B, sizeof u.B) == 0;
                                              });
}

} // namespace

EtatCalcul EtatCalcul::de(TForm1 &f)
{
    EtatCalcul e;
    e.table = tab_interferences;
    e.label6 = f.Label6->text();
    e.label21 = f.Label21->text();
    e.titreChart2 = f.Chart2->xAxis->label();
    for (int k = 0; k < 3; ++k)
        e.pointsChart2[k] = points(f.Chart2, k);
    return e;
}

testing::AssertionResult memesAffichages(const EtatCalcul &avant, const EtatCalcul &apres)
{
    if (!memesOctets(avant.table, apres.table))
        return testing::AssertionFailure() << "the table changed";
    if (avant.label21 != apres.label21 || avant.titreChart2 != apres.titreChart2)
        return testing::AssertionFailure() << "the count or the chart title changed";
    if (!std::equal(std::begin(avant.pointsChart2), std::end(avant.pointsChart2),
                    std::begin(apres.pointsChart2)))
        return testing::AssertionFailure() << "the chart changed";
    return testing::AssertionSuccess();
}

testing::AssertionResult calculCoherent(TForm1 &f, const EtatCalcul &avant)
{
    const EtatCalcul e = EtatCalcul::de(f);
    const QString n = QString::number(e.table.size());
    if (e.label21 != n || e.label6 != n)
        return testing::AssertionFailure()
               << "Label6 " << e.label6.toStdString() << ", Label21 " << e.label21.toStdString()
               << ", table " << n.toStdString();
    const int attendus = e.table.empty() ? avant.pointsChart2[0] : int(e.table.size());
    for (int k = 0; k < 3; ++k)
        if (e.pointsChart2[k] != attendus)
            return testing::AssertionFailure()
                   << "curve " << k << " has " << e.pointsChart2[k] << " points for " << attendus;
    if (!e.table.empty() && e.titreChart2 != "retard en nm " + n + " valeurs")
        return testing::AssertionFailure() << "chart title " << e.titreChart2.toStdString();
    for (std::size_t i = 0; i < e.table.size(); ++i) {
        const RetardCouleur &l = e.table[i];
        if (l.x != std::int64_t(i) * pas)
            return testing::AssertionFailure() << "row " << i << " at " << l.x;
        if (!std::isfinite(l.R) || !std::isfinite(l.G) || !std::isfinite(l.B))
            return testing::AssertionFailure() << "row " << i << " is not finite";
    }
    return testing::AssertionSuccess();
}

Issue issueParametres(const QString &edit1, const QString &edit2, bool entreeEdit1, bool listee)
{
    const std::int32_t maximum = LitEntier(edit1.toStdString(), 2000);
    std::int32_t pas_ = LitEntier(edit2.toStdString(), 10);
    if (pas_ == 0)
        return Issue::DivisionParZero;
    if (entreeEdit1)
        pas_ = std::max(1, maximum / 3000);
    const std::int64_t lignes = std::int64_t{maximum} / pas_ + 1;
    if (lignes < 0)
        return Issue::SignesOpposes;
    if (lignes > LignesInterferencesMax)
        return Issue::TropDeValeurs;
    // The listing's header line comes before the rows.
    if (listee && lignes + 1 > CapaciteMemoLignes)
        return Issue::ListeTropLongue;
    return Issue::Calcul;
}

bool messageAttendu(Issue issue, const QString &erreur)
{
    switch (issue) {
    case Issue::DivisionParZero:
        return erreur == QString::fromUtf8("Division par zéro : le pas doit être différent de 0");
    case Issue::SignesOpposes:
        return erreur ==
               QString::fromUtf8("Le retard maximum et le pas doivent être de même signe");
    case Issue::TropDeValeurs:
        return erreur.startsWith(QString::fromUtf8("Trop de valeurs d'interférence"));
    case Issue::ListeTropLongue:
        return erreur == QString::fromUtf8("Le texte dépasse la capacité du mémo");
    case Issue::Calcul:
        break;
    }
    return false;
}

bool repond()
{
    bool fait = false;
    QMetaObject::invokeMethod(
        qApp, [&fait] { fait = true; }, Qt::QueuedConnection);
    QApplication::processEvents();
    return fait;
}
