#pragma once
// A memo: plain text that never wraps, both scroll bars, read and written as lines.
// A line break at the very end starts no further line, so the count matches the file's.
#include <QPlainTextEdit>
#include <QStringList>

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TMemo)

    int nombreLignes() const;
    QStringList lignes() const;
    // Replaces the whole content; each line is followed by a line break.
    void remplaceLignes(const QStringList &lignes);
    // Same from a text whose lines each end with '\n' (built in one go, for long listings).
    void remplaceTexte(const QString &lignesTerminees);
};

// Redraw switch: suspend, or resume and repaint once. Does nothing while the memo is hidden.
void GeleMemo(TMemo *memo, bool suspend);

// Replaces a memo's content with its redrawing suspended, so it repaints once.
void RemplaceTexteGele(TMemo *memo, const QString &lignesTerminees);
