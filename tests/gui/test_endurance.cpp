// SPDX-License-Identifier: GPL-3.0-or-later
// Soak: a seeded random sequence of user events on the real window. No crash, no error
// box but those that the inputs call for, and a resident size that stops growing.
// PRISMELLE_ENDURANCE_EVENEMENTS sets the number of events (default 20,000),
// PRISMELLE_ENDURANCE_GRAINE another seed.
#include "Endurance.h"

// The user events, one drawn at a time.
class Endurance : public EnduranceBase {
protected:
    void tapeTexte()
    {
        TEdit *e = champVisible();
        const QString t = texteAleatoire(e);
        action = "typing '" + t.toStdString() + "' in Edit" + std::to_string(numero(e));
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Backspace);
        for (QChar c : t)
            frappe(e, c);
        evenements += 2 + t.size();
        compte(Issue::Calcul);
        if (!chance(80))
            return;
        const Issue attendue = issue(e == f().Edit1, true);
        const EtatCalcul avant = EtatCalcul::de(f());
        QTest::keyClick(e, Qt::Key_Return);
        ++evenements;
        compte(attendue);
        verifieCalcul(attendue, avant);
    }

    void cliqueBouton()
    {
        QPushButton *const boutons[] = {f().Button1, f().BitBtn_blanche, f().BitBtn_laser,
                                        f().BitBtn1};
        QPushButton *b = boutons[entre(0, 3)];
        if (!b->isVisible())
            return;
        action = "click on " + b->text().toStdString();
        const Issue attendue = b == f().BitBtn1 ? Issue::Calcul : issue(false, true);
        dialogues_.reponseConfirmation = chance(50);
        dialogues_.nomChoisi = dossier() + "/endurance.txt";
        const EtatCalcul avant = EtatCalcul::de(f());
        QTest::mouseClick(b, Qt::LeftButton);
        ++evenements;
        compte(attendue);
        if (b != f().BitBtn1)
            verifieCalcul(attendue, avant);
    }

    void changeOrigine()
    {
        const int i = entre(0, 1);
        action = "origin " + std::to_string(i);
        const bool change = f().RadioGroup1->ItemIndex() != i;
        const Issue attendue = change ? issue(false, true) : Issue::Calcul;
        QTest::mouseClick(f().RadioGroup1->bouton(i), Qt::LeftButton);
        ++evenements;
        compte(attendue);
    }

    void cocheListes()
    {
        action = "check box";
        QTest::mouseClick(f().CheckBox1, Qt::LeftButton, {}, QPoint(5, 5));
        ++evenements;
        compte(Issue::Calcul);
    }

    int positionStrip(int largeur)
    {
        const int r = entre(1, 100);
        if (r <= 70)
            return entre(0, largeur);
        if (r <= 95)
            return entre(-100000, 100000);
        return r % 2 ? 2000000000 : -2000000000;
    }

    void glisseBande()
    {
        TImage *bande = chance(50) ? f().Image_lumiere_blanche : f().Image_lumiere_incidente;
        const bool gauche = chance(85);
        action = "drag on a light strip";
        const Issue attendue = issue();
        presse(bande, gauche ? Qt::LeftButton : Qt::RightButton, positionStrip(bande->width()));
        const int mouvements = entre(0, 8);
        for (int k = 0; k < mouvements; ++k)
            glisse(bande, gauche ? Qt::LeftButton : Qt::NoButton, positionStrip(bande->width()));
        relache(bande, gauche ? Qt::LeftButton : Qt::RightButton, positionStrip(bande->width()));
        evenements += 2 + mouvements;
        compte(attendue, gauche ? 2 + mouvements : 1);
    }

    void bougePiste()
    {
        action = "track bar";
        TTrackBar *p = f().TrackBar1;
        if (chance(50)) {
            const Qt::Key touches[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
            QTest::keyClick(p, touches[entre(0, 5)]);
            ++evenements;
        } else {
            p->setSliderDown(true);
            for (int k = entre(1, 5); k > 0; --k, ++evenements)
                p->setSliderPosition(entre(p->minimum(), p->maximum()));
            p->setSliderDown(false);
            ++evenements;
        }
        compte(Issue::Calcul);
        EXPECT_TRUE(calculCoherent(f(), EtatCalcul::de(f()))) << action;
    }

    void lectureRetard()
    {
        const bool entier = LitEntierOptionnel(f().Edit1->text().toStdString()).has_value();
        const int x = positionStrip(f().Image_michel_levy->width());
        action = "readout at " + std::to_string(x);
        if (chance(20)) {
            presse(f().Image_michel_levy, Qt::RightButton, x);
            ++evenements;
        }
        glisse(f().Image_michel_levy, Qt::NoButton, x);
        ++evenements;
        if (entier) {
            compte(Issue::Calcul);
            return;
        }
        ASSERT_EQ(dialogues_.erreurs.size(), erreursVues + 1) << action;
        EXPECT_EQ(dialogues_.erreurs.back(),
                  "'" + f().Edit1->text() +
                      QString::fromUtf8("' n'est pas une valeur entière correcte."));
        erreursVues = dialogues_.erreurs.size();
    }

    // Whatever text file a student finds, or none: a few lines of the usual characters and
    // line ends mixed with NUL, lone CRs and bytes above 127.
    QByteArray fichierAleatoire()
    {
        const QByteArray alphabet = QByteArrayLiteral("\t\t\t\r\n\n0123456789 RGBx$-");
        QByteArray b = chance(70) ? QByteArray("x\tR\tG\tB\r\n") : QByteArray();
        for (int n = entre(0, 3000); n > 0; --n)
            b += chance(90) ? alphabet[entre(0, int(alphabet.size()) - 1)] : char(entre(0, 255));
        return b;
    }

    void remplaceFichier()
    {
        action = "new rainbow file";
        const QString nom = dossier() + "/rgb-arc-en-ciel.txt";
        const bool absent = chance(10);
        const QByteArray octets = absent ? QByteArray() : fichierAleatoire();
        QFile::remove(nom);
        if (!absent)
            ecrit("rgb-arc-en-ciel.txt", octets);
        if (f().RadioGroup1->ItemIndex() != 0)
            return;
        const Issue attendue = issue(false, true);
        const std::size_t messages = dialogues_.messages.size();
        QTest::mouseClick(f().BitBtn_blanche, Qt::LeftButton);
        ++evenements;
        compte(attendue);
        const auto lignes = DecoupeLignes(std::string_view(octets.constData(), octets.size()));
        const bool lisible = !absent && lignes.size() >= 3 && EnTeteCompatible(lignes[0]);
        EXPECT_EQ(dialogues_.messages.size(), messages + (lisible ? 0 : 1)) << action;
        if (absent)
            return;
        // The memo shows exactly the file's lines.
        EXPECT_EQ(f().Memo_fichier->nombreLignes(), int(lignes.size())) << action;
        EXPECT_EQ(f().Label9->text(), QString::number(qsizetype(lignes.size()) - 1) + " valeurs");
    }

    void redimensionne()
    {
        const bool minuscule = chance(40);
        const int l = minuscule ? entre(1, 12) : entre(13, 1500);
        const int h = minuscule ? entre(1, 12) : entre(13, 900);
        action = "resize to " + std::to_string(l) + "x" + std::to_string(h);
        f().resize(l, h);
        ++evenements;
        compte(Issue::Calcul);
    }

    void unEvenement()
    {
        const int r = entre(1, 100);
        if (r <= 30)
            tapeTexte();
        else if (r <= 45)
            cliqueBouton();
        else if (r <= 48)
            changeOrigine();
        else if (r <= 51)
            cocheListes();
        else if (r <= 66)
            glisseBande();
        else if (r <= 76)
            bougePiste();
        else if (r <= 90)
            lectureRetard();
        else if (r <= 92)
            remplaceFichier();
        else
            redimensionne();
        QApplication::processEvents();
    }
};

TEST_F(Endurance, seededUserEvents_noCrashNoUnexpectedBoxNoGrowth)
{
    ouvre();
    const long total = evenementsDemandes();
    const long echauffement = total / 5;
    long residentDebut = 0;
    while (evenements < total && !HasFailure()) {
        unEvenement();
        if (residentDebut == 0 && evenements >= echauffement)
            residentDebut = memoireVive();
    }
    ASSERT_FALSE(HasFailure()) << "stopped after " << evenements << " events";
    EXPECT_TRUE(repond());
    const long croissance = memoireVive() - residentDebut;
    std::printf("%ld events, %zu expected error boxes, memory growth after warm-up %ld KiB\n",
                evenements, erreursVues, croissance / 1024);
    if (!sousAsan) {
        EXPECT_LT(croissance, 16L << 20);
    }
    // Still computes what it is asked.
    f().resize(TForm1::LargeurClient, TForm1::HauteurClient);
    f().Edit1->setText("3000");
    f().Edit2->setText("10");
    QTest::mouseClick(f().Button1, Qt::LeftButton);
    EXPECT_EQ(tab_interferences.size(), 301u);
    EXPECT_EQ(dialogues_.erreurs.size(), erreursVues);
}
