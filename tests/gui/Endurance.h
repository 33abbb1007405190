// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The endurance run's fixture: random inputs, and what each run may leave.
#include "Aides.h"
#include "EtatCalcul.h"
#include "FenetreTest.h"
#include "Memoire.h"

#include "MichelLevySpectre.h"

#include <QApplication>
#include <QTest>

#include <random>

#include <malloc.h>

namespace {

long evenementsDemandes()
{
    const QByteArray v = qgetenv("PRISMELLE_ENDURANCE_EVENEMENTS");
    return v.isEmpty() ? 20000 : v.toLong();
}

// Another sequence for exploring by hand; CI keeps the fixed one.
std::uint32_t graine()
{
    const QByteArray v = qgetenv("PRISMELLE_ENDURANCE_GRAINE");
    return v.isEmpty() ? 20260607u : v.toUInt();
}

// Resident size of this process in bytes, once the allocator has handed back what is free.
// The interference table keeps the capacity of the largest table asked for (at most a
// million rows): that is not growth, so it is left out.
long memoireVive()
{
#ifdef __GLIBC__
    malloc_trim(0); // glibc's own: other C libraries hand memory back as they go
#endif
    return residentOctets() - long(tab_interferences.capacity() * sizeof(RetardCouleur));
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sousAsan = true; // its quarantine holds freed memory; LeakSanitizer checks instead
#else
constexpr bool sousAsan = false;
#endif

} // namespace

// Random inputs and what each run should leave.
class EnduranceBase : public FenetreTest {
protected:
    std::mt19937 alea{graine()};
    long evenements = 0;
    std::size_t erreursVues = 0;
    std::string action;

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); }
    bool chance(int pourcent) { return entre(1, 100) <= pourcent; }

    QString nombre(TEdit *e)
    {
        if (e == f().Edit1)
            return QString::number(entre(-3000, 6000));
        if (e == f().Edit2)
            return QString::number(entre(-30, 60));
        if (e == f().Edit3)
            return QString::number(entre(300, 900));
        return QString::number(entre(-5, 400));
    }

    // Short texts only: a long run of digits would ask for a million rows at each event.
    QString texteAleatoire(TEdit *e)
    {
        const int r = entre(1, 100);
        if (r <= 45)
            return nombre(e);
        if (r <= 68)
            return QString::fromUtf8(textesDouteux[entre(0, std::size(textesDouteux) - 1)]);
        if (r <= 70)
            return QStringLiteral("0"); // a step of zero ends the chain with its error box
        if (r <= 85) {
            const QString lettres = QString::fromUtf8(" +-$xX0123456789abcfgzé");
            QString t;
            for (int n = entre(0, 4); n > 0; --n)
                t += lettres[entre(0, int(lettres.size()) - 1)];
            return t;
        }
        const char *prefixes[] = {"$", "x", "0x", "-$", "0X"};
        return QString::fromUtf8(prefixes[entre(0, 4)]) + QString::number(entre(0, 4095), 16);
    }

    // liste: the chain ends with the interference listing.
    Issue issue(bool entreeEdit1 = false, bool liste = false) const
    {
        return issueParametres(fenetre().Edit1->text(), fenetre().Edit2->text(), entreeEdit1,
                               liste && fenetre().CheckBox1->isChecked());
    }
    const TForm1 &fenetre() const { return const_cast<EnduranceBase *>(this)->f(); }

    // The error boxes since the last call: as many as runs that should fail, with the text.
    void compte(Issue attendue, int runs = 1)
    {
        const std::size_t nouvelles = dialogues_.erreurs.size() - erreursVues;
        const std::size_t prevues = attendue == Issue::Calcul ? 0 : std::size_t(runs);
        EXPECT_EQ(nouvelles, prevues) << action;
        for (std::size_t k = erreursVues; k < dialogues_.erreurs.size(); ++k)
            EXPECT_TRUE(messageAttendu(attendue, dialogues_.erreurs[k]))
                << action << ": " << dialogues_.erreurs[k].toStdString();
        erreursVues = dialogues_.erreurs.size();
    }

    void verifieCalcul(Issue attendue, const EtatCalcul &avant)
    {
        if (attendue == Issue::Calcul || attendue == Issue::ListeTropLongue) {
            EXPECT_TRUE(calculCoherent(f(), avant)) << action;
        }
    }

    // One key per character; QTest's own typing knows only ASCII.
    static void frappe(TEdit *e, QChar c)
    {
        if (c.unicode() < 128)
            QTest::keyClick(e, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }

    int numero(const TEdit *e)
    {
        return e == f().Edit1 ? 1 : e == f().Edit2 ? 2 : e == f().Edit3 ? 3 : 4;
    }

    TEdit *champVisible()
    {
        TEdit *const champs[] = {f().Edit1, f().Edit2, f().Edit3, f().Edit4};
        TEdit *e = champs[entre(0, 3)];
        return e->isVisible() ? e : f().Edit1;
    }
};
