#include "Dialogues.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *fenetreActive() { return QApplication::activeWindow(); }

QString titre() { return QApplication::applicationName(); }

// "description|pattern" -> a Qt filter showing the description; patterns match either case.
QString filtreQt(const QString &filtre)
{
    const QString description = filtre.section(QLatin1Char('|'), 0, 0);
    const QString motif = filtre.section(QLatin1Char('|'), 1);
    return description + QStringLiteral(" (") + motif + QLatin1Char(' ') + motif.toLower() +
           QLatin1Char(')');
}

class DialoguesQt final : public Dialogues {
public:
    void message(const QString &texte) override
    {
        QMessageBox::information(fenetreActive(), titre(), texte, QMessageBox::Ok);
    }

    bool confirme(const QString &question) override
    {
        QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"), question,
                          QMessageBox::NoButton, fenetreActive());
        QPushButton *oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
        boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
        boite.exec();
        return boite.clickedButton() == oui;
    }

    void erreur(const QString &texte) override
    {
        QMessageBox::critical(fenetreActive(), titre(), texte, QMessageBox::Ok);
    }

    std::optional<QString> enregistrerSous(const OptionsEnregistrement &o) override
    {
        QFileDialog dialogue(fenetreActive());
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setDefaultSuffix(o.extensionParDefaut);
        dialogue.setDirectory(o.dossierInitial);
        dialogue.setNameFilter(filtreQt(o.filtre));
        dialogue.setOption(QFileDialog::HideNameFilterDetails);
        // The chosen file is replaced without a further question.
        dialogue.setOption(QFileDialog::DontConfirmOverwrite);
        // Qt's own dialog speaks the program's French; a native one, the system's language.
        dialogue.setOption(QFileDialog::DontUseNativeDialog);
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return std::nullopt;
        return dialogue.selectedFiles().constFirst();
    }
};

DialoguesQt reels;
Dialogues *courants = &reels;

} // namespace

Dialogues &dialogues() { return *courants; }

void remplaceDialogues(Dialogues *autre) { courants = autre ? autre : &reels; }
