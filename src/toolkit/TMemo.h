// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Replaces the whole content; each line is followed by a line break. A text beyond the
    // capacity throws the capacity error and the memo keeps what it held.
    void remplaceLignes(const QStringList &lignes);
    // Same from a text whose lines each end with '\n' (built in one go, for long listings).
    // Its size is counted without the final break, as a file's would be.
    void remplaceTexte(const QString &lignesTerminees);
};

// What a memo takes. Besides its text, a line costs the memo about 440 bytes, and a long line
// takes time to lay out: at these limits the worst text costs under 150 MB and half a second,
// and a listing of 50,001 rows (about 1.2 MB) fits.
constexpr qint64 CapaciteMemoOctets = 2 * 1024 * 1024;
constexpr qint64 CapaciteMemoLignes = 65536;

// Throws "Le texte dépasse la capacité du mémo" for a text of more bytes or lines than that.
// Pass 0 for what is not known yet.
void VerifieCapaciteMemo(qint64 octets, qint64 lignes);

// Redraw switch: suspend, or resume and repaint once. Does nothing while the memo is hidden.
void GeleMemo(TMemo *memo, bool suspend);

// Replaces a memo's content with its redrawing suspended, so it repaints once.
void RemplaceTexteGele(TMemo *memo, const QString &lignesTerminees);
