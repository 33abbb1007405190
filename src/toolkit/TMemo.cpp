#include "TMemo.h"

#include <QScrollBar>
#include <QTextBlock>

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

void TMemo::remplaceTexte(const QString &lignesTerminees) { setPlainText(lignesTerminees); }


void RemplaceTexteGele(TMemo *memo, const QString &lignesTerminees)
{
    GeleMemo(memo, true);
    memo->remplaceTexte(lignesTerminees);
    GeleMemo(memo, false);
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
