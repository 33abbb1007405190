// SPDX-License-Identifier: GPL-3.0-or-later
// Right-button menus: figures of the Michel-Lévy strip and of the two charts, the strip's
// colorimetric colours, microscope settings, the section's thickness, the identification of a
// colour and the rotating stage; the strip's readout tooltip. The light strips have none: every
// release there runs a chain of its own.
#include "Unit1.h"

#include "LectureBande.h"
#include "MichelLevySpectre.h"
#include "MichelLevySpectre/figureconoscopique/OuvertureConoscopie.h"
#include "MichelLevySpectre/identification/FenetreIdentification.h"
#include "MichelLevySpectre/platine/OuverturePlatine.h"
#include "MichelLevySpectre/reglages/Preferences.h"
#include "toolkit/Dialogues.h"
#include "toolkit/LigneMessage.h"
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
QAction *option(QMenu *menu, const QString &texte, const std::function<bool()> &etat,
                const std::function<void(bool)> &choisit)
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
void reglage(Reglages &reglages, QMenu *menu, const QString &texte, T ReglagesMicroscope::*champ,
             T valeur)
{
    QAction *a = menu->addAction(texte);
    a->setCheckable(true);
    QObject::connect(menu, &QMenu::aboutToShow, a, [&reglages, a, champ, valeur] {
        const QSignalBlocker silence(a);
        a->setChecked(reglages.microscope().*champ == valeur);
    });
    QObject::connect(a, &QAction::triggered, menu, [&reglages, champ, valeur] {
        Protege([&] {
            ReglagesMicroscope r = reglages.microscope();
            r.*champ = valeur;
            reglages.choisitMicroscope(r);
            RetientReglagesUtilisateur(reglages);
        });
    });
}

// The retardation under the last right press on the strip: the stage's grain starts there.
std::optional<double> retardDuClic;

LiensPlatine liensPlatine(Reglages &reglages)
{
    return {&reglages, [] { return retardDuClic; },
            [] { return tab_interferences.empty() ? 0.0 : double(tab_interferences.back().x); }};
}

// The strip menu's entry, naming the current thickness.
QString texteEntreeEpaisseur(const Reglages &reglages)
{
    return QString::fromUtf8("Épaisseur de la lame… (%1 µm)")
        .arg(QString::fromStdString(TexteEpaisseur(reglages.epaisseur())));
}

// Asks for a thickness; bad text is refused with a message and the old value kept.
void demandeEpaisseurLame(Reglages &reglages)
{
    const QString actuelle = QString::fromStdString(TexteEpaisseur(reglages.epaisseur()));
    const std::optional<QString> texte = dialogues().saisit(
        QString::fromUtf8("Épaisseur de la lame"),
        QString::fromUtf8("Épaisseur de la lame mince en µm (de 1 à 1000) :"), actuelle);
    if (!texte)
        return;
    if (const std::optional<double> v = LitEpaisseur(texte->toStdString()))
        reglages.choisitEpaisseur(*v);
    else
        dialogues().message(QString::fromUtf8("« %1 » n'est pas une épaisseur de 1 à 1000 µm : "
                                              "l'épaisseur reste de %2 µm.")
                                .arg(Cite(*texte), actuelle));
}

void menusMicroscope(Reglages &r, QMenu *bande)
{
    QMenu *source = bande->addMenu(QStringLiteral("Source lumineuse"));
    using S = SourceLumineuse;
    reglage(r, source, QStringLiteral("Égale énergie (E)"), &ReglagesMicroscope::source,
            S::EgaleEnergie);
    reglage(r, source, QStringLiteral("Lumière du jour (D65)"), &ReglagesMicroscope::source,
            S::D65);
    reglage(r, source, QStringLiteral("Lampe halogène (3200 K)"), &ReglagesMicroscope::source,
            S::Halogene);
    reglage(r, source, QStringLiteral("Illuminant A (2856 K)"), &ReglagesMicroscope::source,
            S::IlluminantA);
    source->addSeparator();
    reglage(r, source, QStringLiteral("Œil adapté"), &ReglagesMicroscope::vision,
            Vision::OeilAdapte);
    reglage(r, source, QStringLiteral("Appareil photo réglé en lumière du jour"),
            &ReglagesMicroscope::vision, Vision::AppareilLumiereDuJour);

    QMenu *lame = bande->addMenu(QStringLiteral("Lame auxiliaire"));
    using L = LameAuxiliaire;
    reglage(r, lame, QStringLiteral("Aucune"), &ReglagesMicroscope::lame, L::Aucune);
    reglage(r, lame, QStringLiteral("Lame teinte sensible λ (551 nm)"), &ReglagesMicroscope::lame,
            L::TeinteSensible);
    reglage(r, lame, QStringLiteral("Lame quart d'onde λ/4 (147 nm)"), &ReglagesMicroscope::lame,
            L::QuartDOnde);
    lame->addSeparator();
    reglage(r, lame, QStringLiteral("Addition"), &ReglagesMicroscope::sens, SensLame::Addition);
    reglage(r, lame, QStringLiteral("Soustraction"), &ReglagesMicroscope::sens,
            SensLame::Soustraction);

    QMenu *polariseurs = bande->addMenu(QStringLiteral("Polariseurs"));
    reglage(r, polariseurs, QStringLiteral("Croisés"), &ReglagesMicroscope::polariseurs,
            Polariseurs::Croises);
    reglage(r, polariseurs, QStringLiteral("Parallèles"), &ReglagesMicroscope::polariseurs,
            Polariseurs::Paralleles);
}

} // namespace

void TForm1::creeMenus()
{
    Reglages &r = reglages();
    const auto figures = [this] { return FenetrePourLesFigures(*this); };
    QMenu *bande = MenuMichelLevy = menuContextuel(Image_michel_levy);
    entree(bande, QStringLiteral("Copier l'image"),
           [this, figures] { CopieImage(figures(), Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer l'image…"),
           [this, figures] { EnregistreImage(figures(), Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer la charte de Michel-Lévy…"),
           [figures] { EnregistreCharteMichelLevy(figures()); });
    entree(bande, QStringLiteral("Enregistrer une planche…"),
           [figures] { EnregistrePlanche(figures()); });
    option(
        bande, QStringLiteral("Couleurs colorimétriques (CIE 1931, sRGB)"),
        [&r] { return r.couleursColorimetriques(); },
        [&r](bool actif) {
            r.choisitCouleursColorimetriques(actif);
            RetientReglagesUtilisateur(r);
        });
    menusMicroscope(r, bande);
    QAction *epaisseur = entree(bande, texteEntreeEpaisseur(r), [&r] {
        demandeEpaisseurLame(r);
        RetientReglagesUtilisateur(r);
    });
    QObject::connect(bande, &QMenu::aboutToShow, epaisseur,
                     [&r, epaisseur] { epaisseur->setText(texteEntreeEpaisseur(r)); });
    entree(bande, QStringLiteral("Identifier une teinte…"),
           [this, &r] { OuvreIdentification(this, r); });
    QObject::connect(
        Image_michel_levy, &QWidget::customContextMenuRequested, bande,
        [this](const QPoint &pos) { retardDuClic = RetardDeColonne(Image_michel_levy, pos.x()); });
    entree(bande, QStringLiteral("Platine tournante…"),
           [this, &r] { OuvrePlatine(this, liensPlatine(r)); });
    entree(bande, QStringLiteral("Figure d'interférence (conoscopie)…"),
           [this, &r] { OuvreConoscopie(this, r); });
    bande->addSeparator();
    entree(bande, QStringLiteral("Rétablir les réglages d'origine"),
           [&r] { RetablitReglagesDOrigine(r); });
    InstalleLectureMichelLevy(Image_michel_levy, r);

    for (TChart *chart : {Chart1, Chart2}) {
        QMenu *menu = menuContextuel(chart);
        entree(menu, QStringLiteral("Copier l'image"),
               [chart, figures] { CopieImage(figures(), chart); });
        entree(menu, QStringLiteral("Enregistrer l'image…"),
               [chart, figures] { EnregistreImage(figures(), chart); });
    }
}
