// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/TMemo.h"

#include "MichelLevySpectre/Erreur.h"

#include <QScrollBar>
#include <QTextBlock>

void VerifieCapaciteMemo(qint64 octets, qint64 lignes)
{
    if (octets > CapaciteMemoOctets || lignes > CapaciteMemoLignes)
        throw Erreur("Le texte dépasse la capacité du mémo");
}

TMemo::TMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

int TMemo::nombreLignes() const
{
    const QTextDocument *doc = document();
    int n = doc->blockCount();
    if (doc->lastBlock().length() <= 1) // an empty last block is the final line break
        --n;
    return n;
}

QStringList TMemo::lignes() const
{
    QStringList resultat;
    const int n = nombreLignes();
    resultat.reserve(n);
    QTextBlock bloc = document()->firstBlock();
    for (int i = 0; i < n && bloc.isValid(); ++i, bloc = bloc.next())
        resultat.append(bloc.text());
    return resultat;
}

void TMemo::remplaceLignes(const QStringList &lignes)
{
    QString texte;
    for (const QString &l : lignes) {
        texte += l;
        texte += QLatin1Char('\n');
    }
    remplaceTexte(texte);
}

void TMemo::remplaceTexte(const QString &lignesTerminees)
{
    // One character per byte in the program's code page. The final line break starts no
    // further line and is not counted: a file takes the same room whatever its line ends.
    const qsizetype n = lignesTerminees.size();
    VerifieCapaciteMemo(n > 0 ? n - 1 : 0, lignesTerminees.count(QLatin1Char('\n')));
    setPlainText(lignesTerminees);
}

void RemplaceTexteGele(TMemo *memo, const QString &lignesTerminees)
{
    GeleMemo(memo, true);
    // Redrawing comes back also when the text is refused.
    struct Degele {
        TMemo *memo;
        ~Degele() { GeleMemo(memo, false); }
    } degele{memo};
    memo->remplaceTexte(lignesTerminees);
}

void GeleMemo(TMemo *memo, bool suspend)
{
    if (!memo || !memo->isVisible())
        return;
    if (suspend) {
        memo->setUpdatesEnabled(false);
    } else {
        memo->setUpdatesEnabled(true);
        memo->viewport()->update();
    }
}
