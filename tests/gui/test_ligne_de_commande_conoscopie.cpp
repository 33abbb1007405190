// SPDX-License-Identifier: GPL-3.0-or-later
// "prismelle --conoscopie": the figure written as a picture, with no display at all.
#include "Commande.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A quartz-like and a calcite-like figure with the λ plate, by their indices and by the table's
// names: a square PNG, transparent outside the field, blue (addition) in NE for a positive
// mineral and in NW for a negative one, and the sign on stdout.
TEST(LigneDeCommande, conoscopy_lambdaPlateShowsTheSignByIndicesAndByName)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(QFile::copy(QStringLiteral(PRISMELLE_DATA_DIR "/mineraux.tsv"),
                            dossier.filePath(QStringLiteral("mineraux.tsv"))));
    const std::pair<std::vector<const char *>, bool> cas[] = {{{"--indices", "1.544,1.553"}, true},
                                                              {{"--mineral", "Quartz"}, true},
                                                              {{"--indices", "1.658;1.486"}, false},
                                                              {{"--mineral", "calcite"}, false}};
    const int n = 128;
    for (const auto &[grain, positif] : cas) {
        const Sortie s = lance(args({"--conoscopie", "--sortie", "figure.png", "--lame", "lambda",
                                     "--taille", "128"}) +
                                   args(grain),
                               dossier.path());
        ASSERT_EQ(s.statut, 0) << s.erreurs.toStdString();
        EXPECT_EQ(s.sortie, QString::fromUtf8("fichier\ttaille (px)\tcaractère\tsigne optique\t"
                                              "2V (°)\nfigure.png\t128\tuniaxe\t%1\t0\n")
                                .arg(positif ? '+' : '-'));
        const QImage f(dossier.filePath(QStringLiteral("figure.png")));
        ASSERT_EQ(f.size(), QSize(n, n));
        EXPECT_EQ(qAlpha(f.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(f.pixel(n / 2, n / 2)), 255);
        // Where the quartz field's edge and calcite's 0.25 show about 100 nm.
        const int d = int((positif ? 0.55 : 0.18) * n / 2);
        const QColor ne = f.pixelColor(n / 2 + d, n / 2 - 1 - d),
                     no = f.pixelColor(n / 2 - 1 - d, n / 2 - 1 - d);
        EXPECT_GT((positif ? ne : no).blue(), (positif ? ne : no).red() + 40) << grain[1];
        EXPECT_GT((positif ? no : ne).red(), (positif ? no : ne).blue() + 40) << grain[1];
    }
    for (const auto &[nom, message] : {std::pair{"kryptonite", "minéral inconnu de la table"},
                                       {"orthose", "la table ne donne pas ses indices"}}) {
        const Sortie s = lance(args({"--conoscopie", "--sortie", "autre.png", "--mineral", nom}),
                               dossier.path());
        EXPECT_EQ(s.statut, 2);
        EXPECT_TRUE(s.erreurs.contains(QString::fromUtf8(message))) << s.erreurs.toStdString();
        EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("autre.png"))));
    }
}

} // namespace
