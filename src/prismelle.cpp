// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"
#include "commandes/LigneDeCommande.h"
#include "toolkit/Demarrage.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const std::optional<int> statut = LigneDeCommande(argc, argv))
        return *statut;
    if (!SystemeDeFenetres()) {
        std::fputs("prismelle : un système de fenêtres est nécessaire (DISPLAY, "
                   "WAYLAND_DISPLAY et QT_QPA_PLATFORM sont vides).\n",
                   stderr);
        return 1;
    }
    if (const std::string muet = AffichageMuet(); !muet.empty()) {
        std::fprintf(stderr,
                     "prismelle : un système de fenêtres est nécessaire (%s ne répond pas).\n",
                     muet.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("prismelle"));
    TextesQtEnFrancais();
    PolicesDuProgramme();
    TForm1 fenetre;
    // Centred on its outer size (client area plus the usual frame).
    if (const QScreen *ecran = fenetre.screen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre.move(zone.x() + (zone.width() - 1301) / 2, zone.y() + (zone.height() - 769) / 2);
    }
    fenetre.show();
    return QApplication::exec();
}
