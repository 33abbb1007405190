// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Programme.h"

#include "toolkit/Dialogues.h"

#include <QCursor>
#include <QGuiApplication>

#include <exception>
#include <new>
#include <stdexcept>

void CurseurProgramme(Qt::CursorShape forme)
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(forme));
    else
        QGuiApplication::setOverrideCursor(QCursor(forme));
}

void Protege(const std::function<void()> &chaine)
{
    try {
        chaine();
    } catch (const std::bad_alloc &) {
        dialogues().erreur(QStringLiteral("Mémoire insuffisante"));
    } catch (const std::length_error &) { // a container asked to grow past its largest size
        dialogues().erreur(QStringLiteral("Mémoire insuffisante"));
    } catch (const std::exception &e) {
        dialogues().erreur(QString::fromUtf8(e.what()));
    }
}

void SablierPendant(const std::function<void()> &chaine)
{
    CurseurProgramme(Qt::WaitCursor);
    struct Fleche {
        ~Fleche() { CurseurProgramme(Qt::ArrowCursor); }
    } fleche;
    chaine();
}
