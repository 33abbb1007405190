// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/reglages/Preferences.h"

#include "MichelLevySpectre/charte/GeometrieCharte.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/reglages/Reglages.h"

#include <QSettings>

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

// A file in the user's settings folder on every system (~/.config, %APPDATA%), so that
// tests can send it elsewhere with QSettings::setPath.
QSettings fichierReglages()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, Organisation, Application);
}

// The value of an enumeration kept as its number, 0 to `dernier`.
template <typename E> E litEnum(const QSettings &s, const QString &cle, E dernier, E defaut)
{
    bool ok = false;
    const int v = s.value(cle).toInt(&ok);
    return ok && v >= 0 && v <= int(dernier) ? E(v) : defaut;
}

} // namespace

void RetablitReglagesUtilisateur(Reglages &reglages)
{
    const QSettings s = fichierReglages();
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
    QSettings s = fichierReglages();
    const ReglagesMicroscope &r = reglages.microscope();
    s.setValue(CleCouleurs, reglages.couleursColorimetriques());
    s.setValue(CleSource, int(r.source));
    s.setValue(CleVision, int(r.vision));
    s.setValue(CleLame, int(r.lame));
    s.setValue(CleSens, int(r.sens));
    s.setValue(ClePolariseurs, int(r.polariseurs));
    s.setValue(CleEpaisseur, reglages.epaisseur());
}

void RetablitReglagesDOrigine(Reglages &reglages)
{
    reglages.retablitOrigine();
    fichierReglages().clear();
}

QString FichierReglagesUtilisateur() { return fichierReglages().fileName(); }
