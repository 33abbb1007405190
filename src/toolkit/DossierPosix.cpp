// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/DossierPosix.h"

#include <QFileInfo>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system's own limit of links followed in one path (Linux's ELOOP).
constexpr int LiensMax = 40;
constexpr std::time_t AgeAbandon = 60; // s
constexpr std::size_t LettresTemporaire = 6;
// The umask assumed where the system does not say: the new file for its owner alone.
constexpr mode_t MasqueInconnu = 077;

bool estTemporaire(const char *nom)
{
    const std::size_t prefixe = std::strlen(PrefixeTemporaire);
    if (std::strncmp(nom, PrefixeTemporaire, prefixe) != 0 ||
        std::strlen(nom) != prefixe + LettresTemporaire)
        return false;
    for (const char *c = nom + prefixe; *c; ++c)
        if (!std::isalnum(static_cast<unsigned char>(*c)))
            return false;
    return true;
}

} // namespace

QString FichierAuBoutDesLiens(const QString &nom)
{
    QFileInfo info(nom);
    for (int liens = 0; info.isSymLink(); ++liens) {
        if (liens == LiensMax)
            return {};
        info.setFile(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

void RetireTemporairesAbandonnes(const QByteArray &dossier)
{
    DIR *d = ::opendir(dossier.constData());
    if (!d)
        return;
    const std::time_t maintenant = std::time(nullptr);
    while (const dirent *e = ::readdir(d)) {
        struct stat s {};
        if (estTemporaire(e->d_name) &&
            ::fstatat(::dirfd(d), e->d_name, &s, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(s.st_mode) &&
            s.st_uid == ::geteuid() && maintenant - s.st_mtime > AgeAbandon)
            ::unlinkat(::dirfd(d), e->d_name, 0);
    }
    ::closedir(d);
}

mode_t ModeNouveauFichier()
{
    // Setting the umask to read it back would change it for every thread meanwhile; Linux
    // shows it in the process's status since 4.7.
    std::ifstream etat("/proc/self/status");
    for (std::string ligne; std::getline(etat, ligne);) {
        if (ligne.rfind("Umask:", 0) != 0)
            continue;
        char *fin = nullptr;
        const unsigned long masque = std::strtoul(ligne.c_str() + 6, &fin, 8);
        if (fin != ligne.c_str() + 6 && masque <= 0777)
            return 0666 & ~mode_t(masque);
    }
    return 0666 & ~MasqueInconnu;
}
