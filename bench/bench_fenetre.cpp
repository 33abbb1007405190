// SPDX-License-Identifier: GPL-3.0-or-later
// The chains the window runs on every drag event and track-bar notification, and the
// long listings and the saved figures, on the real window offscreen.
#include "MichelLevySpectre.h"
#include "MichelLevySpectre/platine/FenetrePlatine.h"
#include "Unit1.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class DialoguesMuets : public Dialogues {
public:
    QString fichier;
    void message(const QString &) override {}
    bool confirme(const QString &) override { return true; }
    void erreur(const QString &t) override { qFatal("%s", qPrintable(t)); }
    std::optional<QString> enregistrerSous(const OptionsEnregistrement &) override
    {
        return fichier;
    }
};

DialoguesMuets muets;
TForm1 *fenetre = nullptr; // the one main() opens

FenetreFigures figures() { return FenetrePourLesFigures(*fenetre); }

// Rows: 501 (3000 by 6), 3,126 (50000 by 16), 50,001 (50000 by 1), 1,000,000 (999999 by 1);
// bench.sh divides the last by the one before.
void parametres(const benchmark::State &etat)
{
    fenetre->Edit1->setText(QString::number(etat.range(0)));
    fenetre->Edit2->setText(QString::number(etat.range(1)));
}

void compteLignes(benchmark::State &etat)
{
    etat.counters["lignes"] = double(tab_interferences.size());
}

// One mouse movement over a light strip: the band moves by one nanometre each event.
void BM_ChaineGlisseBande(benchmark::State &etat)
{
    parametres(etat);
    fenetre->reglages().choisitCouleursColorimetriques(etat.range(2) != 0);
    if (etat.range(2) == 2) // every setting away from its default
        fenetre->reglages().choisitMicroscope(
            {SourceLumineuse::Halogene, Vision::AppareilLumiereDuJour,
             LameAuxiliaire::TeinteSensible, SensLame::Soustraction, Polariseurs::Paralleles});
    fenetre->ChoisitLumiere(QStringLiteral("laser"));
    int centre = 500;
    for (auto _ : etat) {
        fenetre->Edit3->setText(QString::number(centre));
        centre = centre < 700 ? centre + 1 : 500;
        FiltreMonochromatique(*fenetre);
        CalculMichelLevy(*fenetre);
        QApplication::processEvents(); // the queued chart repaints and the strip's paint
    }
    fenetre->reglages().choisitCouleursColorimetriques(false);
    fenetre->reglages().choisitMicroscope({});
    compteLignes(etat);
}
// Third argument: the strip in colorimetric colours (1), also through every microscope setting
// (2), or in the table's own (0).
BENCHMARK(BM_ChaineGlisseBande)
    ->Args({3000, 6, 0})
    ->Args({3000, 6, 1})
    ->Args({50000, 16, 0})
    ->Args({50000, 16, 1})
    ->Args({50000, 1, 0})
    ->Args({50000, 1, 1})
    ->Args({50000, 1, 2})
    ->Args({999999, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The calculate button in white light, the listing switch off: the sweep over all 401 samples.
void BM_ChaineCalcul(benchmark::State &etat)
{
    fenetre->BitBtn_blanche->click(); // the whole white spectrum back, after the band benchmarks
    parametres(etat);
    for (auto _ : etat) {
        fenetre->Button1->click();
        QApplication::processEvents();
    }
    compteLignes(etat);
}
BENCHMARK(BM_ChaineCalcul)
    ->Args({50000, 1})
    ->Args({999999, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One track-bar notification in white light, alternating between two neighbouring positions.
void BM_ChaineCurseur(benchmark::State &etat)
{
    fenetre->reglages().choisitCouleursColorimetriques(etat.range(1) != 0);
    fenetre->ChoisitLumiere(QStringLiteral("arc"));
    const int position = int(etat.range(0));
    bool bascule = false;
    for (auto _ : etat) {
        fenetre->TrackBar1->setValue(position + (bascule ? 1 : 0));
        bascule = !bascule;
        QApplication::processEvents();
    }
    fenetre->reglages().choisitCouleursColorimetriques(false);
    compteLignes(etat);
}
// Second argument: colorimetric colours off (0) or on (1).
BENCHMARK(BM_ChaineCurseur)
    ->Args({3000, 0})
    ->Args({3000, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({1236, 0})
    ->Args({1236, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ListeInterferences(benchmark::State &etat)
{
    parametres(etat);
    fenetre->CheckBox1->setChecked(true);
    CalculMichelLevy(*fenetre);
    for (auto _ : etat) {
        ListeInterferences(*fenetre);
        QApplication::processEvents();
    }
    fenetre->CheckBox1->setChecked(false);
    compteLignes(etat);
}
BENCHMARK(BM_ListeInterferences)->Args({50000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EnregistreListe(benchmark::State &etat)
{
    parametres(etat);
    fenetre->CheckBox1->setChecked(true);
    CalculMichelLevy(*fenetre);
    ListeInterferences(*fenetre);
    for (auto _ : etat)
        EnregistreInterferences(*fenetre);
    fenetre->CheckBox1->setChecked(false);
    compteLignes(etat);
}
BENCHMARK(BM_EnregistreListe)->Args({50000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

// The full chart saved as PNG (0), SVG (1) or PDF (2), at the largest retardation the program
// accepts: 2,147,483,647 nm in 999,759 rows, and in 1,001 rows. Goal: at most 2 s each, a
// file under 20 MB ("octets" counter).
void BM_EnregistreCharte(benchmark::State &etat)
{
    parametres(etat);
    CalculMichelLevy(*fenetre);
    const char *extensions[] = {"png", "svg", "pdf"};
    const QString avant = muets.fichier;
    muets.fichier = QDir::current().filePath(QStringLiteral("charte.") +
                                             QString::fromLatin1(extensions[etat.range(2)]));
    for (auto _ : etat)
        EnregistreCharteMichelLevy(figures());
    etat.counters["octets"] = double(QFile(muets.fichier).size());
    muets.fichier = avant;
    compteLignes(etat);
}
BENCHMARK(BM_EnregistreCharte)
    ->ArgsProduct({{2147483647}, {2148, 2147483}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// One saved figure: 0 the strip, 1 the Michel-Lévy curves, 2 the sheet; format 0 PNG, 1 SVG,
// 2 PDF. The file's size is a counter: the vector ones must stay under 5 MB.
void BM_EnregistreFigure(benchmark::State &etat)
{
    parametres(etat);
    CalculMichelLevy(*fenetre);
    const QTemporaryDir dossier;
    const char *extensions[] = {"png", "svg", "pdf"};
    muets.fichier = dossier.filePath(QStringLiteral("figure.") +
                                     QString::fromLatin1(extensions[etat.range(3)]));
    for (auto _ : etat) {
        if (etat.range(2) == 2)
            EnregistrePlanche(figures());
        else
            EnregistreImage(figures(), etat.range(2) == 0
                                           ? static_cast<QWidget *>(fenetre->Image_michel_levy)
                                           : static_cast<QWidget *>(fenetre->Chart2));
    }
    etat.counters["octets"] = double(QFile(muets.fichier).size());
    compteLignes(etat);
}
// 1,000,000 rows, and the largest retardation accepted (1,001 rows).
BENCHMARK(BM_EnregistreFigure)
    ->ArgsProduct({{999999}, {1}, {0, 1, 2}, {0, 1, 2}})
    ->Args({2147483000, 2147483, 0, 1})
    ->Args({2147483000, 2147483, 1, 0})
    ->Args({2147483000, 2147483, 2, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// One degree of the stage with a twinned hornblende, in crossed (0) or plane-polarised (2)
// light: both individuals' colours and the field's repaint; 20 a second needs under 50 ms.
void BM_PlatineTourneJumele(benchmark::State &etat)
{
    for (QAction *a : fenetre->MenuMichelLevy->actions())
        if (a->text() == QString::fromUtf8("Platine tournante…"))
            a->trigger();
    auto *platine = fenetre->findChild<FenetrePlatine *>();
    platine->champMineral()->setText(QStringLiteral("hornblende"));
    emit platine->champMineral()->editingFinished();
    platine->choixPolariseurs()->setCurrentIndex(int(etat.range(0)));
    for (auto _ : etat) {
        platine->tourne(1);
        platine->repaint();
    }
    platine->close();
}
BENCHMARK(BM_PlatineTourneJumele)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dossier;
    for (const char *nom : {"rgb-arc-en-ciel.txt", "mineraux.tsv", "grains.tsv"})
        QFile::copy(QStringLiteral(PRISMELLE_DATA_DIR "/") + QString::fromUtf8(nom),
                    dossier.filePath(QString::fromUtf8(nom)));
    QDir::setCurrent(dossier.path());
    muets.fichier = dossier.filePath(QStringLiteral("liste.txt"));
    remplaceDialogues(&muets);
    TForm1 principale;
    fenetre = &principale;
    principale.show();
    QApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    remplaceDialogues(nullptr);
    return 0;
}
