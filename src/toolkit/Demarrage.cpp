// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Demarrage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool SystemeDeFenetres()
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    return false;
}

bool TextesQtEnFrancais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Owned by the application, so it lives as long as the texts it translates.
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    if (!traducteur->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}
