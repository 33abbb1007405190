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
void SortieVersLaConsole() {}
#endif
