// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conception.h"

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <algorithm>

const std::vector<Place> &places()
{
    static const std::vector<Place> lignes{
        {CONTROLE(Bevel1), 40, 5, QSize(617, 140), {}},
        {CONTROLE(Image_lumiere_blanche), 56, 72, QSize(593, 65), {}},
        {CONTROLE(Image_michel_levy), 40, 622, QSize(1237, 97), {}},
        {CONTROLE(Label1), 1088, 11, {}, {}},
        {CONTROLE(Label2), 39, 608, {}, {}},
        {CONTROLE(Label3), 520, 175, {}, {}},
        {CONTROLE(Label4), 70, 315, {}, {}},
        {CONTROLE(Label5), 288, 314, {}, {}},
        {CONTROLE(Label6), 432, 314, {}, {}},
        {CONTROLE(Label7), 469, 314, {}, {}},
        {CONTROLE(Label8), 226, 17, {}, {}},
        {CONTROLE(Label9), 1200, 11, {}, {}},
        {CONTROLE(Label10), 612, 174, {}, {}},
        {CONTROLE(Label11), 664, 339, {}, {}},
        {CONTROLE(Label12), 760, 339, {}, {}},
        {CONTROLE(Label13), 505, 267, {}, {}},
        {CONTROLE(Label14), 304, 602, {}, {}},
        {CONTROLE(Image_lumiere_incidente), 56, 192, QSize(593, 65), {}},
        {CONTROLE(Label16), 760, 4, {}, {}},
        {CONTROLE(Label17), 1082, 112, {}, {}},
        {CONTROLE(Label15), 1088, 328, {}, {}},
        {CONTROLE(Label18), 400, 544, {}, {}},
        {CONTROLE(Label19), 72, 424, {}, {}},
        {CONTROLE(Label20), 400, 568, {}, {}},
        {CONTROLE(Label21), 1128, 342, {}, {}},
        {CONTROLE(Label22), 416, 314, {}, {}},
        {CONTROLE(Button1), 56, 526, QSize(75, 25), 0},
        {CONTROLE(Button2), 192, 526, QSize(75, 25), 1},
        {CONTROLE(Memo_lumiere), 1024, 130, QSize(241, 126), 2},
        {CONTROLE(memo_interferences), 1040, 358, QSize(225, 251), 3},
        {CONTROLE(Chart1), 673, 25, QSize(337, 232), 4},
        {CONTROLE(Chart2), 608, 361, QSize(400, 250), 5},
        {CONTROLE(Memo_fichier), 1024, 27, QSize(241, 75), 6},
        {CONTROLE(Edit1), 184, 312, QSize(97, 21), 7},
        {CONTROLE(Edit2), 343, 311, QSize(65, 21), 8},
        {CONTROLE(RadioGroup1), 88, 8, QSize(113, 57), 9},
        {CONTROLE(Edit3), 443, 265, QSize(57, 24), 10},
        {CONTROLE(Edit4), 584, 264, QSize(54, 24), 11},
        {CONTROLE(BitBtn1), 1120, 296, QSize(75, 25), 12},
        {CONTROLE(TrackBar1), 56, 352, QSize(409, 45), 13},
        {CONTROLE(BitBtn_blanche), 56, 264, QSize(169, 25), 14},
        {CONTROLE(BitBtn_laser), 240, 264, QSize(193, 25), 15},
        {CONTROLE(CheckBox1), 800, 296, QSize(257, 17), 16},
    };
    return lignes;
}

std::vector<Controle> ordreTabulation()
{
    std::vector<const Place *> arrets;
    for (const Place &p : places())
        if (p.tabulation)
            arrets.push_back(&p);
    std::sort(arrets.begin(), arrets.end(),
              [](const Place *a, const Place *b) { return *a->tabulation < *b->tabulation; });
    std::vector<Controle> ordre;
    for (const Place *p : arrets)
        ordre.push_back(p->c);
    return ordre;
}

void PrintTo(const Controle &c, std::ostream *os) { *os << c.nom; }

void PrintTo(const Place &p, std::ostream *os) { PrintTo(p.c, os); }

void VerifiePlaces(TForm1 &f)
{
    for (const Place &p : places()) {
        const QWidget *x = p.c.acces(f);
        EXPECT_EQ(x->pos(), QPoint(p.x, p.y)) << p.c.nom;
        if (p.taille) {
            EXPECT_EQ(x->size(), *p.taille) << p.c.nom;
        }
    }
}
