// SPDX-License-Identifier: GPL-3.0-or-later
// Right-button menus: figures of the Michel-Lévy strip and of the two charts, the strip's
// colorimetric colours, microscope settings, the section's thickness, the identification of a
// colour and the rotating stage; the strip's readout tooltip. The light strips have none: every
// release there runs a chain of its own.
#include "Unit1.h"

#include "MichelLevySpectre/MichelLevySpectre.h"
#include "MichelLevySpectre/identification/FenetreIdentification.h"
#include "MichelLevySpectre/identification/Lecture.h"
#include "MichelLevySpectre/platine/Platine.h"
#include "MichelLevySpectre/reglages/LameMince.h"
#include "MichelLevySpectre/reglages/Preferences.h"
#include "toolkit/Programme.h"

#include <qcustomplot.h>

#include <QMenu>
#include <QSignalBlocker>

#include <functional>

namespace {

// Pops up on a right press without blocking, once the press has reached the control's
// own handlers.
QMenu *menuContextuel(QWidget *cible)
{
    auto *menu = new QMenu(cible);
    cible->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(cible, &QWidget::customContextMenuRequested, menu,
                     [cible, menu](const QPoint &pos) { menu->popup(cible->mapToGlobal(pos)); });
    return menu;
}

QAction *entree(QMenu *menu, const QString &texte, const std::function<void()> &action)
{
    QAction *a = menu->addAction(texte);
    QObject::connect(a, &QAction::triggered, menu, [action] { Protege(action); });
    return a;
}

// A checkable entry: the option's state, shown as a tick.
QAction *option(QMenu *menu, const QString &texte, bool (*etat)(), void (*choisit)(bool))
{
    QAction *a = menu->addAction(texte);
    a->setCheckable(true);
    // The tick shows the option as it is, whoever set it last.
    QObject::connect(menu, &QMenu::aboutToShow, a, [a, etat] {
        const QSignalBlocker silence(a);
        a->setChecked(etat());
    });
    QObject::connect(a, &QAction::toggled, menu,
                     [choisit](bool actif) { Protege([&] { choisit(actif); }); });
    return a;
}

// One value of a setting, among the exclusive entries of a submenu: its tick shows whether the
// microscope holds that value, and picking it sets it.
template <class T>
void reglage(QMenu *menu, const QString &texte, T ReglagesMicroscope::*champ, T valeur)
{
    QAction *a = menu->addAction(texte);
    a->setCheckable(true);
    QObject::connect(menu, &QMenu::aboutToShow, a, [a, champ, valeur] {
        const QSignalBlocker silence(a);
        a->setChecked(ReglagesCourants().*champ == valeur);
    });
    QObject::connect(a, &QAction::triggered, menu, [champ, valeur] {
        Protege([&] {
            ReglagesMicroscope r = ReglagesCourants();
            r.*champ = valeur;
            ChoisitReglages(r);
            RetientReglagesUtilisateur();
        });
    });
}

// The retardation under the last right press on the strip: the stage's grain starts there.
std::optional<double> retardDuClic;

LiensPlatine liensPlatine()
{
    return {ReglagesCourants, [] { return retardDuClic; },
            [] { return tab_interferences.empty() ? 0.0 : double(tab_interferences.back().x); },
            [](QString *erreur) { return TableMineraux(erreur); }, EpaisseurLame};
}

void menusMicroscope(QMenu *bande)
{
    QMenu *source = bande->addMenu(QStringLiteral("Source lumineuse"));
    using S = SourceLumineuse;
    reglage(source, QStringLiteral("Égale énergie (E)"), &ReglagesMicroscope::source,
            S::EgaleEnergie);
    reglage(source, QStringLiteral("Lumière du jour (D65)"), &ReglagesMicroscope::source, S::D65);
    reglage(source, QStringLiteral("Lampe halogène (3200 K)"), &ReglagesMicroscope::source,
            S::Halogene);
    reglage(source, QStringLiteral("Illuminant A (2856 K)"), &ReglagesMicroscope::source,
            S::IlluminantA);
    source->addSeparator();
    reglage(source, QStringLiteral("Œil adapté"), &ReglagesMicroscope::vision, Vision::OeilAdapte);
    reglage(source, QStringLiteral("Appareil photo réglé en lumière du jour"),
            &ReglagesMicroscope::vision, Vision::AppareilLumiereDuJour);

    QMenu *lame = bande->addMenu(QStringLiteral("Lame auxiliaire"));
    using L = LameAuxiliaire;
    reglage(lame, QStringLiteral("Aucune"), &ReglagesMicroscope::lame, L::Aucune);
    reglage(lame, QStringLiteral("Lame teinte sensible λ (551 nm)"), &ReglagesMicroscope::lame,
            L::TeinteSensible);
    reglage(lame, QStringLiteral("Lame quart d'onde λ/4 (147 nm)"), &ReglagesMicroscope::lame,
            L::QuartDOnde);
    lame->addSeparator();
    reglage(lame, QStringLiteral("Addition"), &ReglagesMicroscope::sens, SensLame::Addition);
    reglage(lame, QStringLiteral("Soustraction"), &ReglagesMicroscope::sens,
            SensLame::Soustraction);

    QMenu *polariseurs = bande->addMenu(QStringLiteral("Polariseurs"));
    reglage(polariseurs, QStringLiteral("Croisés"), &ReglagesMicroscope::polariseurs,
            Polariseurs::Croises);
    reglage(polariseurs, QStringLiteral("Parallèles"), &ReglagesMicroscope::polariseurs,
            Polariseurs::Paralleles);
}

} // namespace

void TForm1::creeMenus()
{
    RaccordeFenetre();
    QMenu *bande = MenuMichelLevy = menuContextuel(Image_michel_levy);
    entree(bande, QStringLiteral("Copier l'image"), [this] { CopieImage(Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer l'image…"),
           [this] { EnregistreImage(Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer la charte de Michel-Lévy…"),
           [] { EnregistreCharteMichelLevy(); });
    entree(bande, QStringLiteral("Enregistrer une planche…"), [] { EnregistrePlanche(); });
    option(bande, QStringLiteral("Couleurs colorimétriques (CIE 1931, sRGB)"),
           CouleursColorimetriquesChoisies, [](bool actif) {
               ChoisitCouleursColorimetriques(actif);
               RetientReglagesUtilisateur();
           });
    menusMicroscope(bande);
    QAction *epaisseur = entree(bande, TexteEntreeEpaisseur(), [] {
        DemandeEpaisseurLame();
        RetientReglagesUtilisateur();
    });
    QObject::connect(bande, &QMenu::aboutToShow, epaisseur,
                     [epaisseur] { epaisseur->setText(TexteEntreeEpaisseur()); });
    entree(bande, QStringLiteral("Identifier une teinte…"), [this] { OuvreIdentification(this); });
    QObject::connect(
        Image_michel_levy, &QWidget::customContextMenuRequested, bande,
        [this](const QPoint &pos) { retardDuClic = RetardDeColonne(Image_michel_levy, pos.x()); });
    entree(bande, QStringLiteral("Platine tournante…"),
           [this] { OuvrePlatine(this, liensPlatine()); });
    bande->addSeparator();
    entree(bande, QStringLiteral("Rétablir les réglages d'origine"),
           [] { RetablitReglagesDOrigine(); });
    InstalleLectureMichelLevy(Image_michel_levy);

    for (TChart *chart : {Chart1, Chart2}) {
        QMenu *menu = menuContextuel(chart);
        entree(menu, QStringLiteral("Copier l'image"), [chart] { CopieImage(chart); });
        entree(menu, QStringLiteral("Enregistrer l'image…"), [chart] { EnregistreImage(chart); });
    }
}
