#include "platform/ui/UpDownControl.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <algorithm>

namespace platform::ui {

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), left_(new QToolButton(this)), right_(new QToolButton(this)) {
    left_->setArrowType(Qt::LeftArrow);
    right_->setArrowType(Qt::RightArrow);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(left_);
    layout->addWidget(right_);
    setFocusPolicy(Qt::StrongFocus);
    connect(left_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(right_, &QToolButton::clicked, this, [this] { step(1); });
}

void UpDownControl::setRange(int low, int high) {
    low_ = std::min(low, high);
    high_ = std::max(low, high);
    position_ = std::clamp(position_, low_, high_);
}

void UpDownControl::setPosition(int position) {
    position_ = std::clamp(position, low_, high_);
}

void UpDownControl::step(int delta) {
    const int before = position_;
    const int span = high_ - low_ + 1;
    position_ = low_ + ((position_ - low_ + delta) % span + span) % span;
    emit stepped(before, delta);
}

void UpDownControl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left) {
        step(-1);
    } else if (event->key() == Qt::Key_Right) {
        step(1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace platform::ui
