// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's message line, where its French refusals and warnings appear: one style in every
// window. It wraps within the window and never widens it, whatever it says.
#include <QLabel>
#include <QString>

class LigneMessage : public QLabel {
public:
    explicit LigneMessage(QWidget *parent = nullptr);
};

// What the user typed, as a message quotes it: at most CitationMax characters, then "…", and
// isolated for bidirectional display so that no character of it can turn the sentence round.
inline constexpr qsizetype CitationMax = 40;
QString Cite(const QString &tape);
