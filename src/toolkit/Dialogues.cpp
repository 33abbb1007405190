// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Dialogues.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *fenetreActive() { return QApplication::activeWindow(); }

QString titre() { return QApplication::applicationName(); }

// One "description|pattern" pair of the filter text.
struct Filtre {
    QString description;
    QString motif;
    QString qt() const // the description, then the pattern in both cases
    {
        const QString minuscule = motif.toLower();
        return description + QStringLiteral(" (") + motif +
               (minuscule == motif ? QString() : QLatin1Char(' ') + minuscule) + QLatin1Char(')');
    }
    QString extension() const { return motif.section(QLatin1Char('.'), -1).toLower(); }
};

// "description|pattern|description|pattern..." as its pairs.
QList<Filtre> filtres(const QString &texte)
{
    const QStringList parts = texte.split(QLatin1Char('|'));
    QList<Filtre> f;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        f.append({parts[i], parts[i + 1]});
    return f;
}

// The filter that the dialog names, in full or, with its details hidden, by description.
qsizetype indexFiltre(const QList<Filtre> &f, const QString &nom)
{
    for (qsizetype i = 0; i < f.size(); ++i)
        if (nom == f[i].qt() || nom.trimmed() == f[i].description.trimmed())
            return i;
    return -1;
}

// With several formats on offer the name always ends in one of them: the chosen filter's
// extension is added to a name that ends in none.
QString nomAuFormat(const QString &nom, const QList<Filtre> &f, qsizetype choisi)
{
    if (f.size() < 2 || choisi < 0)
        return nom;
    const QString suffixe = QFileInfo(nom).suffix().toLower();
    for (const Filtre &e : f)
        if (e.extension() == suffixe)
            return nom;
    return nom + QLatin1Char('.') + f[choisi].extension();
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
        const QList<Filtre> f = filtres(o.filtre);
        QStringList noms;
        for (const Filtre &e : f)
            noms.append(e.qt());
        dialogue.setNameFilters(noms);
        dialogue.setOption(QFileDialog::HideNameFilterDetails);
        // The chosen file is replaced without a further question.
        dialogue.setOption(QFileDialog::DontConfirmOverwrite);
        // Qt's own dialog speaks the program's French; a native one, the system's language.
        dialogue.setOption(QFileDialog::DontUseNativeDialog);
        if (f.size() > 1) // the default extension follows the chosen format
            QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue,
                             [&](const QString &choisi) {
                                 if (const qsizetype i = indexFiltre(f, choisi); i >= 0)
                                     dialogue.setDefaultSuffix(f[i].extension());
                             });
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return std::nullopt;
        return nomAuFormat(dialogue.selectedFiles().constFirst(), f,
                           indexFiltre(f, dialogue.selectedNameFilter()));
    }
};

DialoguesQt reels;

// Qt's own dialogs speak the program's French; native ones, the system's language.
std::optional<QString> saisieQt(const QString &titre, const QString &question,
                                const QString &valeur)
{
    bool ok = false;
    const QString texte =
        QInputDialog::getText(fenetreActive(), titre, question, QLineEdit::Normal, valeur, &ok);
    return ok ? std::optional<QString>(texte) : std::nullopt;
}

std::optional<QString> ouvertureQt(const QString &titre, const QString &filtre)
{
    const QString nom = QFileDialog::getOpenFileName(fenetreActive(), titre, QString(), filtre,
                                                     nullptr, QFileDialog::DontUseNativeDialog);
    return nom.isEmpty() ? std::nullopt : std::optional<QString>(nom);
}
Dialogues *courants = &reels;

} // namespace

Dialogues &dialogues() { return *courants; }

std::optional<QString> Dialogues::saisit(const QString &titre, const QString &question,
                                         const QString &valeur)
{
    return saisieQt(titre, question, valeur);
}

std::optional<QString> Dialogues::ouvrir(const QString &titre, const QString &filtre)
{
    return ouvertureQt(titre, filtre);
}

void remplaceDialogues(Dialogues *autre) { courants = autre ? autre : &reels; }
