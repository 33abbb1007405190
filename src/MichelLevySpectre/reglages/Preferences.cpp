// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/reglages/Preferences.h"

#include "MichelLevySpectre/charte/GeometrieCharte.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/reglages/Reglages.h"

#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <memory>
#include <utility>

namespace {

const QString Organisation = QStringLiteral("prismelle");
const QString Application = QStringLiteral("prismelle");
const QString CleCouleurs = QStringLiteral("couleursColorimetriques");
const QString CleSource = QStringLiteral("microscope/source");
const QString CleVision = QStringLiteral("microscope/vision");
const QString CleLame = QStringLiteral("microscope/lame");
const QString CleSens = QStringLiteral("microscope/sens");
const QString ClePolariseurs = QStringLiteral("microscope/polariseurs");
const QString CleEpaisseur = QStringLiteral("epaisseur");

constexpr qint64 OctetsMaxReglages = 64 << 10; // a few hundred bytes are written

// A file in the user's settings folder on every system (~/.config, %APPDATA%), so that
// tests can send it elsewhere with QSettings::setPath. Asking QSettings for the usual name
// would read the file at once, and a FIFO there would block the start: a format of our own,
// whose file nobody writes, gives the folder, which it shares with INI files.
QString chemin()
{
    static const QSettings::Format sonde = QSettings::registerFormat(
        QStringLiteral("chemin"), [](QIODevice &, QSettings::SettingsMap &) { return false; },
        [](QIODevice &, const QSettings::SettingsMap &) { return false; });
    QString nom = QSettings(sonde, QSettings::UserScope, Organisation, Application).fileName();
    nom.chop(int(qstrlen("chemin")));
    return nom + QStringLiteral("ini");
}

// Said once per run, on stderr: the window goes on with what it has.
void ditUneFois(const QString &texte)
{
    static bool dit = false;
    if (!std::exchange(dit, true))
        std::fputs(("prismelle : " + texte + "\n").toUtf8().constData(), stderr);
}

// The settings, when their file is a regular file of at most OctetsMaxReglages, or none yet;
// otherwise none, said once: nothing is read from it nor written over it.
std::unique_ptr<QSettings> fichierReglages()
{
    const QFileInfo info(chemin());
    if (info.exists() && (!info.isFile() || info.size() > OctetsMaxReglages)) {
        ditUneFois(QString::fromUtf8("les réglages ne peuvent pas être conservés : « %1 » n'est "
                                     "pas un fichier ordinaire de 64 Kio au plus ; le programme "
                                     "part de ses réglages d'origine.")
                       .arg(info.filePath()));
        return nullptr;
    }
    return std::make_unique<QSettings>(info.filePath(), QSettings::IniFormat);
}

// The value of an enumeration kept as its number, 0 to `dernier`.
template <typename E> E litEnum(const QSettings &s, const QString &cle, E dernier, E defaut)
{
    bool ok = false;
    const int v = s.value(cle).toInt(&ok);
    return ok && v >= 0 && v <= int(dernier) ? E(v) : defaut;
}

// A file that cannot be written (a read-only folder, an immutable file) is said, not ignored.
void verifieEcriture(QSettings &s)
{
    s.sync();
    if (s.status() != QSettings::NoError)
        ditUneFois(QString::fromUtf8("les réglages n'ont pas pu être enregistrés dans « %1 ».")
                       .arg(s.fileName()));
}

} // namespace

void RetablitReglagesUtilisateur(Reglages &reglages)
{
    const std::unique_ptr<const QSettings> lus = fichierReglages();
    if (!lus)
        return;
    const QSettings &s = *lus;
    const ReglagesMicroscope origine;
    ReglagesMicroscope r;
    r.source = litEnum(s, CleSource, SourceLumineuse::IlluminantA, origine.source);
    r.vision = litEnum(s, CleVision, Vision::AppareilLumiereDuJour, origine.vision);
    r.lame = litEnum(s, CleLame, LameAuxiliaire::QuartDOnde, origine.lame);
    r.sens = litEnum(s, CleSens, SensLame::Soustraction, origine.sens);
    r.polariseurs = litEnum(s, ClePolariseurs, Polariseurs::Paralleles, origine.polariseurs);
    reglages.choisitMicroscope(r);
    // Only the word written for true: toBool() would take any other text for true.
    if (s.value(CleCouleurs).toString() == QStringLiteral("true"))
        reglages.choisitCouleursColorimetriques(true);
    bool ok = false;
    const double epaisseur = s.value(CleEpaisseur).toDouble(&ok);
    if (ok && epaisseur >= EpaisseurMin && epaisseur <= EpaisseurMax)
        reglages.choisitEpaisseur(epaisseur);
}

void RetientReglagesUtilisateur(const Reglages &reglages)
{
    const std::unique_ptr<QSettings> s = fichierReglages();
    if (!s)
        return;
    const ReglagesMicroscope &r = reglages.microscope();
    s->setValue(CleCouleurs, reglages.couleursColorimetriques());
    s->setValue(CleSource, int(r.source));
    s->setValue(CleVision, int(r.vision));
    s->setValue(CleLame, int(r.lame));
    s->setValue(CleSens, int(r.sens));
    s->setValue(ClePolariseurs, int(r.polariseurs));
    s->setValue(CleEpaisseur, reglages.epaisseur());
    verifieEcriture(*s);
}

void RetablitReglagesDOrigine(Reglages &reglages)
{
    reglages.retablitOrigine();
    if (const std::unique_ptr<QSettings> s = fichierReglages()) {
        s->clear();
        verifieEcriture(*s);
    }
}

QString FichierReglagesUtilisateur() { return chemin(); }
