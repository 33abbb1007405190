// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the save tests set up around a file: an ordinary user, a file-size limit, a small disk.
#include <QByteArray>
#include <QString>

#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// Root passes every permission check; with another file-system identity it loses that
// override (Linux drops it with the identity), so a read-only folder is read-only again.
class IdentiteOrdinaire {
public:
    IdentiteOrdinaire()
    {
        if (geteuid() == 0)
            setfsuid(65534);
    }
    ~IdentiteOrdinaire()
    {
        if (geteuid() == 0)
            setfsuid(0);
    }
    IdentiteOrdinaire(const IdentiteOrdinaire &) = delete;
    IdentiteOrdinaire &operator=(const IdentiteOrdinaire &) = delete;
};

// Files of this process may not grow past `octets`. SIGXFSZ keeps its default action, which
// ends the process: the writer itself must turn it into a reported failure.
class TailleLimitee {
public:
    explicit TailleLimitee(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        rlimit l = ancienne_;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~TailleLimitee() { setrlimit(RLIMIT_FSIZE, &ancienne_); }
    TailleLimitee(const TailleLimitee &) = delete;
    TailleLimitee &operator=(const TailleLimitee &) = delete;

private:
    rlimit ancienne_{};
};

// A small disk of its own for a folder, in a private copy of the mount table so that
// nothing outside this process sees it; unmounted on leaving. ramfs reserves no space.
class PetitDisque {
public:
    PetitDisque(const QString &dossier, const char *taille, unsigned long options = 0,
                const char *type = "tmpfs")
        : chemin_(dossier.toLocal8Bit())
    {
        monte_ = unshare(CLONE_NEWNS) == 0 &&
                 mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                 mount(type, chemin_.constData(), type, options, taille) == 0;
    }
    ~PetitDisque()
    {
        if (monte_)
            umount2(chemin_.constData(), MNT_DETACH);
    }
    PetitDisque(const PetitDisque &) = delete;
    PetitDisque &operator=(const PetitDisque &) = delete;
    bool monte() const { return monte_; }

private:
    QByteArray chemin_;
    bool monte_ = false;
};
