// SPDX-License-Identifier: GPL-3.0-or-later
// The three listings: only while the listing switch is ticked, memo redraw suspended.
#include "MichelLevySpectre.h"

#include "Unit1.h"
#include "toolkit/Cp1252.h"

namespace {

bool listeActive(TForm1 &f) { return f.CheckBox1->isChecked(); }

void remplitMemo(TMemo *memo, const std::string &texte)
{
    RemplaceTexteGele(memo, DepuisCp1252(texte));
}

} // namespace

void ListeFichier(TForm1 &f)
{
    if (listeActive(f))
        remplitMemo(f.Memo_fichier, ListeSpectreFichier(tab_blanche, lambda_min));
}

void ListeLumiere(TForm1 &f)
{
    if (listeActive(f))
        remplitMemo(f.Memo_lumiere, ListeSpectreLumiere(tab_incidente));
}

void ListeInterferences(TForm1 &f)
{
    if (!listeActive(f))
        return;
    // A header and a line per row: a table too long for the memo is refused before its text
    // is made, and the memo emptied, so that no earlier listing passes for this table's.
    try {
        VerifieCapaciteMemo(0, qint64(tab_interferences.size()) + 1);
    } catch (const Erreur &) {
        RemplaceTexteGele(f.memo_interferences, QString());
        throw;
    }
    remplitMemo(f.memo_interferences, ListeTableInterferences(tab_interferences));
    f.Label12->setText(QString::number(tab_interferences.size()) + QStringLiteral(" valeurs"));
}
