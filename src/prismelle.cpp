// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/reglages/Preferences.h"
#include "Unit1.h"
#include "commandes/LigneDeCommande.h"
#include "toolkit/Demarrage.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    if (const std::optional<int> statut = LigneDeCommande(argc, argv))
        return *statut;
    if (!GuetteOuverturePlateforme(argc, argv))
        return 1;
    QApplication application(argc, argv);
    PlateformeOuverte();
    QApplication::setApplicationName(QStringLiteral("prismelle"));
    TextesQtEnFrancais();
    PolicesDuProgramme();
    TForm1 fenetre;
    RetablitReglagesUtilisateur(fenetre.reglages());
    // Centred on its outer size (client area plus the usual frame).
    if (const QScreen *ecran = fenetre.screen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre.move(zone.x() + (zone.width() - 1301) / 2, zone.y() + (zone.height() - 769) / 2);
    }
    fenetre.show();
    return QApplication::exec();
}
