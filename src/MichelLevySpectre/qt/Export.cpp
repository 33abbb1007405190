// Saving the interference listing as the memo holds it.
#include "MichelLevySpectre/MichelLevySpectre.h"

#include "Unit1.h"
#include "toolkit/Cp1252.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

// Qt loses the system's reason after a short write; a full disk is then the likely one.
QString raison(const QSaveFile &f, bool complet)
{
    if (complet && f.error() != QFileDevice::UnspecifiedError && f.error() != QFileDevice::NoError)
        return f.errorString();
    return QStringLiteral("\u00e9criture interrompue (disque plein ?)");
}

// Written beside the old file and renamed over it only once complete, so a failed write
// leaves the old file as it was.
void ecrit(const QString &nom, const QStringList &lignes)
{
    QSaveFile f(nom);
    if (!f.open(QIODevice::WriteOnly))
        throw Erreur(("Impossible de cr\u00e9er le fichier " + nom + " : " + f.errorString())
                         .toStdString());
    std::string octets;
    for (const QString &l : lignes)
        octets.append(VersCp1252(l)).append("\r\n");
    const bool complet = f.write(octets.data(), qint64(octets.size())) == qint64(octets.size());
    if (!complet || !f.commit())
        throw Erreur(("Impossible d'\u00e9crire le fichier " + nom + " : " + raison(f, complet))
                         .toStdString());
}

} // namespace

void EnregistreInterferences()
{
    TMemo *memo = Form1->memo_interferences;
    const std::string question = QuestionEnregistrement(pas, retard_max, memo->nombreLignes());
    if (!dialogues().confirme(QString::fromUtf8(question)))
        return;
    OptionsEnregistrement &d = Form1->SaveDialog1;
    d.extensionParDefaut = QStringLiteral("txt");
    d.dossierInitial = QCoreApplication::applicationDirPath();
    d.filtre = QStringLiteral("Fichiers texte (*.txt)|*.TXT");
    if (const auto nom = dialogues().enregistrerSous(d))
        ecrit(*nom, memo->lignes());
}
