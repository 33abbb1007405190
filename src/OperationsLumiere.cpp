// SPDX-License-Identifier: GPL-3.0-or-later
// White light and the monochromatic band, through the window's controls.
#include "MichelLevySpectre.h"

#include "Unit1.h"
#include "toolkit/Cp1252.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The size is checked first, so a huge file is refused unread; the bounded read also
// catches a file that grows meanwhile. Its lines are counted before any is made.
QByteArray litFichier(const QString &nom)
{
    QFile f(nom);
    VerifieCapaciteMemo(f.size(), 0);
    if (!f.open(QIODevice::ReadOnly))
        throw Erreur(
            ("Impossible d'ouvrir le fichier " + nom + " : " + f.errorString()).toStdString());
    QByteArray octets = f.read(CapaciteMemoOctets + 1);
    if (f.error() != QFileDevice::NoError)
        throw Erreur(
            ("Erreur de lecture du fichier " + nom + " : " + f.errorString()).toStdString());
    const std::string_view texte(octets.constData(), std::size_t(octets.size()));
    VerifieCapaciteMemo(octets.size(), CompteLignes(texte));
    return octets;
}

QString texteMemo(const std::vector<std::string> &lignes)
{
    std::string tout;
    for (const std::string &l : lignes)
        tout.append(l).push_back('\n');
    return DepuisCp1252(tout);
}

void dessineLumiere(TForm1 &f, TImage *image, const Tab_RetardCouleur &table)
{
    DessineSpectreListe(f, image, table, static_cast<std::int32_t>(table.size()) - 1,
                        image->width(), image->height(), f.Memo_lumiere);
}

} // namespace

void LitFichierArcEnCiel(const QString &nom, TMemo *memo, std::int32_t premier,
                         std::int32_t dernier, Tab_RetardCouleur &cible)
{
    const QFileInfo info(nom);
    if (!info.exists() || info.isDir()) {
        dialogues().message(QStringLiteral("fichier ") + nom + QStringLiteral(" introuvable"));
        return;
    }
    if (!info.isFile()) // a device or a pipe would block or never end
        throw Erreur(("Impossible de lire le fichier " + nom).toStdString());
    const QByteArray octets = litFichier(nom);
    const std::vector<std::string> lignes =
        DecoupeLignes(std::string_view(octets.constData(), std::size_t(octets.size())));
    memo->remplaceTexte(texteMemo(lignes));
    if (!RemplitArcEnCiel(lignes, premier, dernier, cible))
        dialogues().message(QStringLiteral("x R G B  ") + nom + QStringLiteral(" incompatible"));
}

void PrepareLumiereBlanche(TForm1 &f)
{
    tab_blanche.clear();
    tab_interferences.clear();
    if (f.RadioGroup1->ItemIndex() == 0) {
        lambda_min = LambdaMin;
        lambda_max = LambdaMax;
        tab_blanche.resize(std::size_t(lambda_max - lambda_min + 1));
        LitFichierArcEnCiel(QStringLiteral("rgb-arc-en-ciel.txt"), f.Memo_fichier, lambda_min,
                            lambda_max, tab_blanche);
        const QString m = QString::number(f.Memo_fichier->nombreLignes() - 1);
        f.Label8->setText(QStringLiteral("Lumière blanche   400 - 800 nm  fichier :") + m +
                          QStringLiteral(" valeurs  =>  array[0..") +
                          QString::number(tab_blanche.size() - 1) + QStringLiteral("] "));
        f.Label9->setText(m + QStringLiteral(" valeurs"));
        f.Label1->setText(QStringLiteral(" fichier "));
    } else {
        tab_blanche.resize(EchantillonsSpectre);
        CalculArcEnCiel(tab_blanche);
        f.Label8->setText(
            QStringLiteral("Lumière blanche   400 - 800 nm  Calculs  valeurs  =>  array[0..") +
            QString::number(tab_blanche.size() - 1) + QStringLiteral("] "));
        f.Label1->setText(QStringLiteral(" calculs "));
        ListeFichier(f);
    }
    dessineLumiere(f, f.Image_lumiere_blanche, tab_blanche);
    tab_incidente = tab_blanche;
    RetientBandeIncidente(std::nullopt);
    dessineLumiere(f, f.Image_lumiere_incidente, tab_incidente);
    RafraichitCourbeIncidente(f);
}

void FiltreMonochromatique(TForm1 &f)
{
    if (ModeLumiereCourant(f) == ModeLumiere::Monochromatique) {
        const std::int32_t centre = EntierDuChamp(f.Edit3, 550);
        const std::int32_t largeur = EntierDuChamp(f.Edit4, 2);
        FiltreBande(tab_blanche, tab_incidente, centre, largeur);
        RetientBandeIncidente(BandeDe(centre, largeur));
    }
    TImage *image = f.Image_lumiere_incidente;
    DessineSpectre(f, image, tab_incidente, static_cast<std::int32_t>(tab_incidente.size()) - 1,
                   image->width(), image->height());
    RafraichitCourbeIncidente(f);
}
