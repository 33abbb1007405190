// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Console.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

namespace {

bool redirigee(DWORD flux)
{
    const HANDLE h = GetStdHandle(flux);
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

} // namespace

void SortieVersLaConsole()
{
    const bool sortie = redirigee(STD_OUTPUT_HANDLE), erreurs = redirigee(STD_ERROR_HANDLE);
    if ((sortie && erreurs) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    SetConsoleOutputCP(CP_UTF8); // the texts are UTF-8
    if (!sortie)
        std::freopen("CONOUT$", "w", stdout);
    if (!erreurs)
        std::freopen("CONOUT$", "w", stderr);
}
#else
#include <csignal>

void SortieVersLaConsole() { std::signal(SIGPIPE, SIG_DFL); }
#endif

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

int erreurSortie = 0; // the errno of the first failed write on standard output

void retientEchec()
{
    if (erreurSortie == 0)
        erreurSortie = errno != 0 ? errno : EIO;
}

std::string raison(int code)
{
    switch (code) {
    case ENOSPC:
        return "disque plein";
    case EBADF:
        return "sortie fermée";
    case EFBIG:
        return "fichier trop grand";
    case EIO:
        return "erreur d'entrée-sortie";
    default:
        return "erreur système " + std::to_string(code);
    }
}

} // namespace

void EcritSortie(std::string_view texte)
{
    errno = 0;
    if (std::fwrite(texte.data(), 1, texte.size(), stdout) != texte.size())
        retientEchec();
}

void EcritErreurs(std::string_view texte) { std::fwrite(texte.data(), 1, texte.size(), stderr); }

bool SortieTerminee()
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        retientEchec();
    if (erreurSortie == 0)
        return true;
    if (erreurSortie != EPIPE) // a reader that left early wants no message
        EcritErreurs("prismelle : la sortie standard n'a pas pu être écrite (" +
                     raison(erreurSortie) + ").\n");
    return false;
}
