// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the interference listing as the memo holds it.
#include "MichelLevySpectre.h"

#include "Unit1.h"
#include "toolkit/Cp1252.h"
#include "toolkit/Fichiers.h"

#include <QCoreApplication>

namespace {

QByteArray octetsListe(const QStringList &lignes)
{
    std::string octets;
    for (const QString &l : lignes)
        octets.append(VersCp1252(l)).append("\r\n");
    return QByteArray::fromStdString(octets);
}

} // namespace

void EnregistreInterferences(TForm1 &f)
{
    TMemo *memo = f.memo_interferences;
    if (memo->nombreLignes() == 0) {
        dialogues().message(QStringLiteral("Rien à enregistrer : la liste des interférences est "
                                           "vide (un tableau trop long pour le mémo n'est pas "
                                           "listé)."));
        return;
    }
    const std::string question = QuestionEnregistrement(pas, retard_max, memo->nombreLignes());
    if (!dialogues().confirme(QString::fromUtf8(question)))
        return;
    OptionsEnregistrement &d = f.SaveDialog1;
    d.extensionParDefaut = QStringLiteral("txt");
    d.dossierInitial = QCoreApplication::applicationDirPath();
    d.filtre = QStringLiteral("Fichiers texte (*.txt)|*.TXT");
    if (const auto nom = dialogues().enregistrerSous(d))
        EnregistreFichier(*nom, octetsListe(memo->lignes()));
}
