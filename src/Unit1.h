// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: its controls (named as the program's other parts reach them) and
// thin event handlers that run the chains of the computation unit.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <cstdint>

#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/Controles.h"
#include "toolkit/Dialogues.h"
#include "toolkit/TImage.h"
#include "toolkit/TMemo.h"

class QCustomPlot;
class QCPGraph;
class QMenu;

using TButton = QPushButton;
using TBitBtn = QPushButton;
using TLabel = QLabel;
using TCheckBox = QCheckBox;
using TBevel = QFrame;
using TChart = QCustomPlot;
using TFastLineSeries = QCPGraph;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;
    Q_DISABLE_COPY_MOVE(TForm1)

    // Client area at the design size; the outer 1301 x 769 adds the platform's frame.
    static constexpr int LargeurClient = 1285;
    static constexpr int HauteurClient = 731;
    // Image_michel_levy follows the window's width with this right margin.
    static constexpr int MargeDroiteMichelLevy = 8;

    TButton *Button1 = nullptr;
    TButton *Button2 = nullptr;
    TImage *Image_lumiere_blanche = nullptr;
    TMemo *Memo_lumiere = nullptr;
    TImage *Image_michel_levy = nullptr;
    TMemo *memo_interferences = nullptr;
    TChart *Chart1 = nullptr;
    TChart *Chart2 = nullptr;
    QPointer<TFastLineSeries> Series1;
    QPointer<TFastLineSeries> Series3;
    QPointer<TFastLineSeries> Series2;
    TMemo *Memo_fichier = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *Label2 = nullptr;
    TLabel *Label3 = nullptr;
    TEdit *Edit1 = nullptr;
    TLabel *Label4 = nullptr;
    TLabel *Label5 = nullptr;
    TEdit *Edit2 = nullptr;
    TLabel *Label6 = nullptr;
    TLabel *Label7 = nullptr;
    TLabel *Label8 = nullptr;
    TLabel *Label9 = nullptr;
    TLabel *Label10 = nullptr;
    TLabel *Label11 = nullptr;
    TLabel *Label12 = nullptr;
    TRadioGroup *RadioGroup1 = nullptr;
    TEdit *Edit3 = nullptr;
    TEdit *Edit4 = nullptr;
    TLabel *Label13 = nullptr;
    TBitBtn *BitBtn1 = nullptr;
    OptionsEnregistrement SaveDialog1;
    TLabel *Label14 = nullptr;
    TImage *Image_lumiere_incidente = nullptr;
    TBevel *Bevel1 = nullptr;
    TLabel *Label16 = nullptr;
    TLabel *Label17 = nullptr;
    TTrackBar *TrackBar1 = nullptr;
    TLabel *Label15 = nullptr;
    TLabel *Label18 = nullptr;
    TBitBtn *BitBtn_blanche = nullptr;
    TBitBtn *BitBtn_laser = nullptr;
    TLabel *Label19 = nullptr;
    TLabel *Label20 = nullptr;
    TLabel *Label21 = nullptr;
    TLabel *Label22 = nullptr;
    TCheckBox *CheckBox1 = nullptr;

    // Event handlers.
    void FormCreate();
    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Edit1KeyDown(int key);
    void Edit2KeyDown(int key);
    void Edit3KeyDown(int key);
    void Edit4KeyDown(int key);
    void BitBtn_blancheClick();
    void BitBtn_laserClick();
    void RadioGroup1Click();
    void Image_lumiere_blancheMouseDown(QObject *sender, Qt::MouseButtons shift, int X);
    void Image_lumiere_blancheMouseMove(QObject *sender, Qt::MouseButtons shift, int X);
    void Image_lumiere_blancheMouseUp();
    void TrackBar1Change();
    void Image_michel_levyMouseDown(int X);
    void Image_michel_levyMouseMove(int X);
    void CheckBox1Click();
    void BitBtn1Click();

    void ChoisitLumiere(const QString &mode);

    // The settings this window shows and hands to the others.
    Reglages &reglages() const { return *reglages_; }

    std::int32_t x_origine = 0;

    // Right-button menu of Image_michel_levy.
    QMenu *MenuMichelLevy = nullptr;

protected:
    bool event(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void creeControles();   // layout: every control at its design values
    void relieEvenements(); // event bindings
    void creeMenus();       // right-button menus (Unit1_menus.cpp)
    void MontreTableaux(bool visible);
    std::int32_t longueurOndeSous(QObject *sender, int X) const;

    bool active_ = false;
    Reglages *reglages_ = nullptr;
};

extern TForm1 *Form1;
