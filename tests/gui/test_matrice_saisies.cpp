// SPDX-License-Identifier: GPL-3.0-or-later
// Every input field with every kind of bad text, and the parameter pairs that break the
// arithmetic, each ended by Enter and by the calculate button. After each: the window
// still answers, and either the run's displays agree with its table or, after the one
// expected error box, they are as they were.
#include "Aides.h"
#include "EtatCalcul.h"
#include "FenetreTest.h"

#include "MichelLevySpectre.h"

#include <QApplication>
#include <QTest>

#include <cmath>

namespace {

enum class Declencheur { EntreeEdit1, EntreeEdit2, EntreeAutre, BoutonCalcul };

struct CasChamp {
    const char *champ;
    bool entree; // Enter in the field, otherwise the calculate button
};

struct CasPaire {
    const char *nom;
    const char *edit1;
    const char *edit2;
};

void PrintTo(const CasChamp &c, std::ostream *os)
{
    *os << c.champ << (c.entree ? " Enter" : " calcul");
}
void PrintTo(const CasPaire &c, std::ostream *os)
{
    *os << '"' << c.edit1 << "\" \"" << c.edit2 << '"';
}

} // namespace

class MatriceSaisies : public FenetreTest {
protected:
    TEdit *champ(const std::string &nom)
    {
        TEdit *const champs[] = {f().Edit1, f().Edit2, f().Edit3, f().Edit4};
        return champs[nom.back() - '1'];
    }

    // The same starting point for every case: valid fields and a fresh run.
    void depart()
    {
        f().Edit1->setText("3000");
        f().Edit2->setText("6");
        f().Edit3->setText("550");
        f().Edit4->setText("2");
        QTest::mouseClick(f().Button1, Qt::LeftButton);
        ASSERT_EQ(tab_interferences.size(), 501u);
        ASSERT_TRUE(dialogues_.erreurs.empty());
    }

    void declenche(Declencheur d, TEdit *edit)
    {
        if (d == Declencheur::BoutonCalcul)
            QTest::mouseClick(f().Button1, Qt::LeftButton);
        else
            QTest::keyClick(edit, Qt::Key_Return);
    }

    void verifieIssue(Issue attendue, const EtatCalcul &avant)
    {
        EXPECT_TRUE(repond());
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        const EtatCalcul apres = EtatCalcul::de(f());
        if (attendue == Issue::Calcul) {
            EXPECT_TRUE(dialogues_.erreurs.empty()) << dialogues_.erreurs[0].toStdString();
            EXPECT_TRUE(calculCoherent(f(), avant));
        } else {
            ASSERT_EQ(dialogues_.erreurs.size(), 1u);
            EXPECT_TRUE(messageAttendu(attendue, dialogues_.erreurs[0]))
                << dialogues_.erreurs[0].toStdString();
            EXPECT_TRUE(memesAffichages(avant, apres));
            // Label6 shows the count that the stored parameters give, or stays when the
            // step is 0 and there is none.
            const QString compte =
                pas ? QString::number(std::int64_t{retard_max} / pas + 1) : avant.label6;
            EXPECT_EQ(apres.label6, compte);
        }
        ASSERT_EQ(tab_incidente.size(), 401u);
        for (const RetardCouleur &e : tab_incidente)
            ASSERT_TRUE(std::isfinite(e.R) && std::isfinite(e.G) && std::isfinite(e.B));
        dialogues_.erreurs.clear();
    }
};

class MatriceChamps : public MatriceSaisies, public ::testing::WithParamInterface<CasChamp> {};

TEST_P(MatriceChamps, everyBadText_keepsTheWindowConsistent)
{
    ouvre();
    TEdit *edit = champ(GetParam().champ);
    const bool bande = edit == f().Edit3 || edit == f().Edit4;
    if (bande)
        f().BitBtn_laser->click(); // the band fields only count in monochromatic light
    const Declencheur d = !GetParam().entree  ? Declencheur::BoutonCalcul
                          : edit == f().Edit1 ? Declencheur::EntreeEdit1
                          : edit == f().Edit2 ? Declencheur::EntreeEdit2
                                              : Declencheur::EntreeAutre;
    for (const char *texte : textesDouteux) {
        SCOPED_TRACE(texte);
        depart();
        const EtatCalcul avant = EtatCalcul::de(f());
        edit->setText(QString::fromUtf8(texte));
        const Issue attendue =
            issueParametres(f().Edit1->text(), f().Edit2->text(), d == Declencheur::EntreeEdit1);
        declenche(d, edit);
        verifieIssue(attendue, avant);
        EXPECT_EQ(ModeLumiereCourant(f()),
                  bande ? ModeLumiere::Monochromatique : ModeLumiere::Blanche);
    }
    f().Edit1->setText("3000");
    f().Edit2->setText("10");
    f().Button1->click();
    EXPECT_EQ(tab_interferences.size(), 301u);
}

INSTANTIATE_TEST_SUITE_P(Champs, MatriceChamps,
                         ::testing::Values(CasChamp{"Edit1", true}, CasChamp{"Edit1", false},
                                           CasChamp{"Edit2", true}, CasChamp{"Edit2", false},
                                           CasChamp{"Edit3", true}, CasChamp{"Edit3", false},
                                           CasChamp{"Edit4", true}, CasChamp{"Edit4", false}),
                         [](const auto &info) {
                             return std::string(info.param.champ) +
                                    (info.param.entree ? "_Entree" : "_Calcul");
                         });

class MatricePaires : public MatriceSaisies, public ::testing::WithParamInterface<CasPaire> {};

TEST_P(MatricePaires, enterInBothFieldsAndCalculate_endAsExpected)
{
    ouvre();
    for (Declencheur d :
         {Declencheur::EntreeEdit1, Declencheur::EntreeEdit2, Declencheur::BoutonCalcul}) {
        SCOPED_TRACE(int(d));
        depart();
        const EtatCalcul avant = EtatCalcul::de(f());
        f().Edit1->setText(GetParam().edit1);
        f().Edit2->setText(GetParam().edit2);
        const Issue attendue =
            issueParametres(f().Edit1->text(), f().Edit2->text(), d == Declencheur::EntreeEdit1);
        declenche(d, d == Declencheur::EntreeEdit1 ? f().Edit1 : f().Edit2);
        verifieIssue(attendue, avant);
    }
}

INSTANTIATE_TEST_SUITE_P(Paires, MatricePaires,
                         ::testing::Values(CasPaire{"stepZero", "3000", "0"},
                                           CasPaire{"stepMinusZero", "3000", "-0"},
                                           CasPaire{"minByMinusOne", "-2147483648", "-1"},
                                           CasPaire{"maxByOne", "2147483647", "1"},
                                           CasPaire{"negativeMaxPositiveStep", "-3000", "10"},
                                           CasPaire{"positiveMaxNegativeStep", "3000", "-10"},
                                           CasPaire{"quotientMinusOne", "-10", "10"},
                                           CasPaire{"minByMax", "-2147483648", "2147483647"},
                                           CasPaire{"minByMin", "-2147483648", "-2147483648"},
                                           CasPaire{"maxByMax", "2147483647", "2147483647"}),
                         [](const auto &info) { return std::string(info.param.nom); });
