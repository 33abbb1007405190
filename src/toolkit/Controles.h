// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few controls whose events differ from Qt's own widgets.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

// Input field reporting key presses by virtual-key code (Enter is 13) before the field
// handles them.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    static constexpr int VK_RETURN = 13;

signals:
    void toucheEnfoncee(int codeTouche);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Track bar: notifies at every user action, also when the position did not change (the
// release after a drag, a key at the end of the range), and whenever the program sets a
// different position.
class TTrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TTrackBar(QWidget *parent = nullptr);

signals:
    void change();

private:
    void surAction(int action);
};

// Titled group of exclusive radio buttons; reports when the user picks another item.
// The group is one tab stop, its checked item; the arrow keys move to the neighbouring item
// and pick it, as a click does.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString &titre, const QStringList &elements, QWidget *parent = nullptr);

    int ItemIndex() const; // -1 when none is selected
    void setItemIndex(int index);
    QRadioButton *bouton(int index) const;

signals:
    void clic();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void gardeUnArret();

    QButtonGroup groupe_;
    int dernier_ = -1;
};
