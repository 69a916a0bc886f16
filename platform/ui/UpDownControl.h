#pragma once

// The platform's up-down control, horizontal: two arrow buttons (and the
// Left/Right keys while it has the focus) step a position within a range,
// wrapping at the ends. Each step reports the position before it and the
// change, as the platform's notification did.

#include <QToolButton>
#include <QWidget>

namespace platform::ui {

class UpDownControl final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpDownControl)

public:
    explicit UpDownControl(QWidget* parent = nullptr);

    void setRange(int low, int high);
    int low() const { return low_; }
    int high() const { return high_; }
    void setPosition(int position);
    int position() const { return position_; }
    // One step: +1 right, -1 left.
    void step(int delta);

signals:
    void stepped(int positionBefore, int delta);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* left_;
    QToolButton* right_;
    int low_ = 0;
    int high_ = 0;
    int position_ = 0;
};

}  // namespace platform::ui
