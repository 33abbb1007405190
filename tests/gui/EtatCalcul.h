// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the interference run leaves on the window, and what a chain should end in for the
// texts of the two parameter fields: shared by the bad-input matrix and the soak.
#include "MichelLevySpectre/RetardCouleur.h"
#include "Unit1.h"

#include <QString>

#include <gtest/gtest.h>

// The table and everything that shows it.
struct EtatCalcul {
    Tab_RetardCouleur table;
    QString label6;
    QString label21;
    QString titreChart2;
    int pointsChart2[3] = {};

    static EtatCalcul de(TForm1 &f);
};

// Same table (bit for bit) and same displays; Label6 is compared apart.
testing::AssertionResult memesAffichages(const EtatCalcul &avant, const EtatCalcul &apres);

// After a run: Label21, Label6, the chart's three curves and its title agree with the
// table's size (an empty table leaves the chart as it was), rows sit at i × pas and every
// value is finite.
testing::AssertionResult calculCoherent(TForm1 &f, const EtatCalcul &avant);

// How a chain that reads the parameters ends.
// ListeTropLongue: the run completes, then its listing exceeds the memo's capacity.
enum class Issue { Calcul, DivisionParZero, SignesOpposes, TropDeValeurs, ListeTropLongue };

// Enter in Edit1 derives the step from the maximum before the run; every other chain
// reads both fields as they are. listee: the chain ends with the interference listing
// and the listing switch is ticked.
Issue issueParametres(const QString &edit1, const QString &edit2, bool entreeEdit1 = false,
                      bool listee = false);

// The error box's text matches the expected ending.
bool messageAttendu(Issue issue, const QString &erreur);

// The event loop still runs queued work.
bool repond();
