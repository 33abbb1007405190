// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for the window's tests: an offscreen application with Qt's texts in French as
// the program has them, and no modal window may ever block (each test installs recording
// dialogues; anything else is a failure).
#include "toolkit/Demarrage.h"
#include "toolkit/Dialogues.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DialoguesInterdits : public Dialogues {
public:
    void message(const QString &t) override { ADD_FAILURE() << "message: " << t.toStdString(); }
    bool confirme(const QString &q) override
    {
        ADD_FAILURE() << "confirmation: " << q.toStdString();
        return false;
    }
    void erreur(const QString &t) override { ADD_FAILURE() << "erreur: " << t.toStdString(); }
    std::optional<QString> enregistrerSous(const OptionsEnregistrement &) override
    {
        ADD_FAILURE() << "save dialog";
        return std::nullopt;
    }
    std::optional<QString> saisit(const QString &, const QString &q, const QString &) override
    {
        ADD_FAILURE() << "text dialog: " << q.toStdString();
        return std::nullopt;
    }
    std::optional<QString> ouvrir(const QString &t, const QString &) override
    {
        ADD_FAILURE() << "open dialog: " << t.toStdString();
        return std::nullopt;
    }
};

} // namespace

#ifdef _WIN32
constexpr const char *PlateformeDesTests = "windows";
#else
constexpr const char *PlateformeDesTests = "offscreen";
#endif

int main(int argc, char *argv[])
{
    // The Windows Qt has no offscreen plugin, and Wine hands no QT_ variable to the program:
    // there, the real platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", PlateformeDesTests);
    QApplication application(argc, argv);
    // The settings the window keeps go to a folder of the tests' own, never the user's.
    const QTemporaryDir reglages;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, reglages.path());
    TextesQtEnFrancais();
    ::testing::InitGoogleTest(&argc, argv);
    static DialoguesInterdits interdits;
    remplaceDialogues(&interdits);
    return RUN_ALL_TESTS();
}
