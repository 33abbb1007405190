// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Controles.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

void TEdit::keyPressEvent(QKeyEvent *event)
{
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    emit toucheEnfoncee(entree ? VK_RETURN : event->key());
    QLineEdit::keyPressEvent(event);
}

TTrackBar::TTrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    connect(this, &QSlider::valueChanged, this, &TTrackBar::change);
    connect(this, &QSlider::sliderReleased, this, &TTrackBar::change);
    connect(this, &QSlider::actionTriggered, this, &TTrackBar::surAction);
}

// An action that leaves the position where it is brings no valueChanged: notify anyway.
void TTrackBar::surAction(int action)
{
    if (action != QAbstractSlider::SliderMove && sliderPosition() == value())
        emit change();
}

TRadioGroup::TRadioGroup(const QString &titre, const QStringList &elements, QWidget *parent)
    : QGroupBox(titre, parent)
{
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(8, 2, 8, 2);
    disposition->setSpacing(0);
    for (int i = 0; i < elements.size(); ++i) {
        auto *b = new QRadioButton(elements[i], this);
        groupe_.addButton(b, i);
        disposition->addWidget(b);
        b->installEventFilter(this);
    }
    connect(&groupe_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != dernier_) {
            dernier_ = id;
            emit clic();
        }
    });
    connect(&groupe_, &QButtonGroup::idToggled, this, &TRadioGroup::gardeUnArret);
    gardeUnArret();
}

// Only the checked item (the first while none is) takes Tab; the others take a click.
void TRadioGroup::gardeUnArret()
{
    const int arret = std::max(0, groupe_.checkedId());
    for (QAbstractButton *b : groupe_.buttons())
        b->setFocusPolicy(groupe_.id(b) == arret ? Qt::StrongFocus : Qt::ClickFocus);
}

// Focus first, then the click, as the mouse does: the handler may move the focus elsewhere
// and keeps the last word.
bool TRadioGroup::eventFilter(QObject *objet, QEvent *evenement)
{
    auto *b = qobject_cast<QAbstractButton *>(objet);
    if (!b || evenement->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(objet, evenement);
    int sens = 0;
    switch (static_cast<QKeyEvent *>(evenement)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        sens = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        sens = 1;
        break;
    default:
        return QGroupBox::eventFilter(objet, evenement);
    }
    if (QAbstractButton *voisin = groupe_.button(groupe_.id(b) + sens)) {
        voisin->setFocus(sens < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        voisin->click();
    }
    return true; // the ends of the group keep the focus where it is
}

int TRadioGroup::ItemIndex() const { return groupe_.checkedId(); }

void TRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *b = groupe_.button(index))
        b->setChecked(true);
    dernier_ = index;
}

QRadioButton *TRadioGroup::bouton(int index) const
{
    return qobject_cast<QRadioButton *>(groupe_.button(index));
}
