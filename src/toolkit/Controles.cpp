#include "Controles.h"

#include <QKeyEvent>
#include <QVBoxLayout>

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
    }
    connect(&groupe_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != dernier_) {
            dernier_ = id;
            emit clic();
        }
    });
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
