// SPDX-License-Identifier: GPL-3.0-or-later
// The strip's right-button menu entry for the colorimetric colours.
#include "Unit1.h"

#include "MichelLevySpectre/MichelLevySpectre.h"
#include "toolkit/Programme.h"

#include <QMenu>
#include <QSignalBlocker>

void AjouteCouleursColorimetriques(QMenu *menu)
{
    QAction *action = menu->addAction(QStringLiteral("Couleurs colorim\u00e9triques (CIE 1931, sRGB)"));
    action->setCheckable(true);
    // The tick shows the option as it is, whoever set it last.
    QObject::connect(menu, &QMenu::aboutToShow, action, [action] {
        const QSignalBlocker silence(action);
        action->setChecked(CouleursColorimetriquesChoisies());
    });
    QObject::connect(action, &QAction::toggled, menu, [](bool actif) {
        Protege([actif] { ChoisitCouleursColorimetriques(actif); });
    });
}

void TForm1::Image_michel_levyMenu(const QPoint &position)
{
    QMenu menu(this);
    AjouteCouleursColorimetriques(&menu);
    menu.exec(Image_michel_levy->mapToGlobal(position));
}
