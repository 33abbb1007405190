// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the X server or the Wayland compositor named by the environment answers: a
// connection to its socket, closed at once. No library: Qt loads its own later.
#include "toolkit/Demarrage.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string variable(const char *nom)
{
    const char *v = std::getenv(nom);
    return v ? v : "";
}

// `abstrait`: in Linux's abstract namespace, where X servers listen first.
bool joindreLocal(const std::string &chemin, bool abstrait)
{
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const std::size_t debut = abstrait ? 1 : 0;
    if (chemin.empty() || chemin.size() + debut >= sizeof adresse.sun_path)
        return false;
    std::memcpy(adresse.sun_path + debut, chemin.data(), chemin.size());
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    const auto taille = socklen_t(offsetof(sockaddr_un, sun_path) + debut + chemin.size());
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr *>(&adresse), taille) == 0;
    ::close(s);
    return ok;
}

// A connection that does not come within two seconds counts as none.
bool joindreReseau(const std::string &hote, int port)
{
    addrinfo indices{};
    indices.ai_socktype = SOCK_STREAM;
    addrinfo *adresses = nullptr;
    if (::getaddrinfo(hote.c_str(), std::to_string(port).c_str(), &indices, &adresses) != 0)
        return false;
    bool ok = false;
    for (const addrinfo *a = adresses; a && !ok; a = a->ai_next) {
        const int s =
            ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (s < 0)
            continue;
        if (::connect(s, a->ai_addr, a->ai_addrlen) == 0) {
            ok = true;
        } else if (errno == EINPROGRESS) {
            pollfd p{s, POLLOUT, 0};
            int erreur = 0;
            socklen_t taille = sizeof erreur;
            ok = ::poll(&p, 1, 2000) == 1 &&
                 ::getsockopt(s, SOL_SOCKET, SO_ERROR, &erreur, &taille) == 0 && erreur == 0;
        }
        ::close(s);
    }
    ::freeaddrinfo(adresses);
    return ok;
}

// "host:n.screen", ":n", "unix:n" or a socket path.
bool serveurXRepond(const std::string &affichage)
{
    if (affichage.front() == '/')
        return joindreLocal(affichage.substr(0, affichage.rfind(':')), false);
    const std::size_t deuxPoints = affichage.rfind(':');
    if (deuxPoints == std::string::npos)
        return false;
    const std::string hote = affichage.substr(0, deuxPoints);
    const std::string reste = affichage.substr(deuxPoints + 1);
    char *fin = nullptr;
    const long numero = std::strtol(reste.c_str(), &fin, 10);
    if (fin == reste.c_str() || numero < 0 || numero > 59535)
        return false;
    if (hote.empty() || hote == "unix") {
        const std::string chemin = "/tmp/.X11-unix/X" + std::to_string(numero);
        return joindreLocal(chemin, true) || joindreLocal(chemin, false);
    }
    return joindreReseau(hote, 6000 + int(numero));
}

bool compositeurRepond(const std::string &nom)
{
    if (!variable("WAYLAND_SOCKET").empty()) // a connection handed over by the parent
        return true;
    if (nom.front() == '/')
        return joindreLocal(nom, false);
    const std::string dossier = variable("XDG_RUNTIME_DIR");
    return !dossier.empty() && joindreLocal(dossier + "/" + nom, false);
}

} // namespace

std::string AffichageMuet()
{
    const std::string plateforme = variable("QT_QPA_PLATFORM");
    const std::string x = variable("DISPLAY"), wayland = variable("WAYLAND_DISPLAY");
    const bool essaieX = plateforme.empty() || plateforme.starts_with("xcb");
    const bool essaieWayland = plateforme.empty() || plateforme.starts_with("wayland");
    if (!essaieX && !essaieWayland)
        return {}; // offscreen, vnc and the others: Qt's own affair
    if (essaieWayland && !wayland.empty() && compositeurRepond(wayland))
        return {};
    if (essaieX && !x.empty() && serveurXRepond(x))
        return {};
    if (essaieX && (!x.empty() || !essaieWayland))
        return "DISPLAY=" + x;
    return "WAYLAND_DISPLAY=" + wayland;
}
