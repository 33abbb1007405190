// SPDX-License-Identifier: GPL-3.0-or-later
// The conoscope's exercise: a hidden grain drawn, then the student's three answers judged.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/figureconoscopique/FenetreConoscopie.h"
#include "MichelLevySpectre/platine/CadranPlatine.h"
#include "MichelLevySpectre/reglages/Reglages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

void FenetreConoscopie::commenceExercice(std::uint32_t graine)
{
    QString erreur;
    const std::vector<Mineral> &table = reglages_.mineraux(&erreur);
    const std::optional<ExerciceSigne> e = TireExercice(table, graine);
    if (!e) {
        dit(table.empty() ? erreur
                          : QString::fromUtf8("La table ne donne les indices d'aucun minéral : "
                                              "pas d'exercice."));
        return;
    }
    dit({});
    exerciceEnCours_ = e;
    etat_.mineral = e->mineral.nom;
    etat_.grain = e->grain;
    etat_.cache = true;
    for (QWidget *w : std::initializer_list<QWidget *>{mineral_, indices_, section_, inclinaison_})
        w->setEnabled(false);
    mineral_->setText(QStringLiteral("?"));
    indices_->clear();
    {
        const QSignalBlocker s1(section_), s2(lame_);
        section_->setCurrentIndex(-1); // hidden too: it would tell the character
        lame_->setCurrentIndex(0);
        etat_.lame = LameAuxiliaire::Aucune;
        biseau_->setEnabled(false);
    }
    inclinaison_->clear();
    cadran_->montre(int(e->grain.orientation.platine));
    boiteExercice_->show();
    caractere_->setEnabled(true);
    for (QComboBox *c : {deuxV_, signe_, caractere_})
        c->setCurrentIndex(0);
    verdict_->clear();
    calcule();
}

void FenetreConoscopie::repond()
{
    if (!exerciceEnCours_)
        return;
    const ReponseSigne r{caractere_->currentIndex() == 2, signe_->currentIndex() == 1,
                         static_cast<ClasseDeuxV>(std::max(0, deuxV_->currentIndex() - 1))};
    const JugementSigne j = JugeReponse(*exerciceEnCours_, r, etat_.conoscope.ouverture);
    const Mineral &m = exerciceEnCours_->mineral;
    exerciceEnCours_.reset();
    etat_.cache = false;
    verdict_->setText(QString::fromUtf8("1. %1\n2. %2\n3. %3\nC'était : %4 (%5), %6.")
                          .arg(QString::fromStdString(j.caractere.pourquoi),
                               QString::fromStdString(j.signe.pourquoi),
                               QString::fromStdString(j.deuxV.pourquoi),
                               QString::fromStdString(m.nom),
                               QString::fromStdString(CaractereEnMots(etat_.grain.indices)),
                               QString::fromStdString(SectionEnMots(etat_.grain.orientation))));
    for (QWidget *w : std::initializer_list<QWidget *>{mineral_, indices_, section_})
        w->setEnabled(true);
    for (QComboBox *c : {caractere_, signe_, deuxV_})
        c->setEnabled(false);
    repondre_->setEnabled(false);
    mineral_->setText(QString::fromStdString(m.nom));
    {
        const QSignalBlocker silence(section_);
        section_->setCurrentIndex(int(etat_.grain.orientation.section));
    }
    inclinaison_->setText(QString::fromStdString(Decimal(etat_.grain.orientation.inclinaison, 0)));
    inclinaison_->setEnabled(etat_.grain.orientation.section == SectionGrain::Inclinee);
    calcule();
}
