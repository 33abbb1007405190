#include "Unit1.h"
#include "toolkit/Demarrage.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("prismelle"));
    TextesQtEnFrancais();
    TForm1 fenetre;
    // Centred on its outer size (client area plus the usual frame).
    if (const QScreen *ecran = fenetre.screen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre.move(zone.x() + (zone.width() - 1301) / 2, zone.y() + (zone.height() - 769) / 2);
    }
    fenetre.show();
    return QApplication::exec();
}
