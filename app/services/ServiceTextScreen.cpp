#include "app/services/ServiceTextScreen.h"

#include <QScrollBar>
#include <algorithm>

#include "app/services/SliderRequest.h"
#include "platform/shell/ComposerMessage.h"

namespace services {

using namespace platform::ui;

namespace {

constexpr int kTextLeft = 10;
constexpr int kTextTop = 10;
constexpr int kTextRightInset = 18;

}  // namespace

ServiceTextScreen::ServiceTextScreen(std::u16string className, app::AppContext& context,
                                     CDialog* parent, SoftKeyMenu menu, TextScreenCommands commands)
    : ShellScreen(std::move(className), context, parent),
      menu_(std::move(menu)),
      commands_(commands),
      axis_(10, 0, 0) {}

void ServiceTextScreen::SetShownText(std::u16string text) {
    text_ = std::move(text);
    layoutPending_ = true;
    Invalidate();
}

bool ServiceTextScreen::OnInitDialog() {
    SetSoftKeys(menu_);
    MakeFullScreen();
    bar_ = new QScrollBar(Qt::Vertical, this);
    QObject::connect(bar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        const int request = sliderRequest(action);
        if (request >= 0) VScroll(request, bar_->sliderPosition());
    });
    layoutPending_ = true;
    return true;
}

void ServiceTextScreen::OnSize(int kind, int cx, int cy) {
    ShellScreen::OnSize(kind, cx, cy);
    layoutPending_ = true;
}

Rect ServiceTextScreen::TextRect() const {
    return {kTextLeft, kTextTop, width() - kTextRightInset, page_.height()};
}

int ServiceTextScreen::viewHeight() const {
    return height() - SoftKeyHeight();
}

void ServiceTextScreen::layout() {
    layoutPending_ = false;
    RepositionMainMenu();
    const int textWidth = std::max(1, width() - kTextRightInset - kTextLeft);
    textHeight_ = std::max(1, Canvas::textHeight(text_, textWidth, defaultFont()));
    // Three screens of text, or more when the text is longer, so that a long
    // report can be read to its end.
    const int side = 3 * std::max(width(), height());
    const int pageHeight = std::max(side, kTextTop + textHeight_ + viewHeight());
    page_.resize(side, pageHeight, Colors().background);
    Canvas canvas = page_.canvas();
    canvas.fillRect({0, 0, side, pageHeight}, Colors().background);
    canvas.drawText(text_, TextRect(), DT_LEFT | DT_TOP | DT_WORDBREAK, defaultFont(), kWhite);
    const int page = static_cast<int>(static_cast<double>(viewHeight()) / textHeight_ * 100);
    // The text starts kTextTop pixels down the picture: at the bottom offset
    // its last line ends at the bottom of the view, fully visible.
    axis_.reset(textHeight_, viewHeight(), page, kTextTop);
    if (bar_) {
        const int t = TopMargin();
        bar_->setGeometry(width() - kScrollBarWidth, t, kScrollBarWidth,
                          std::max(0, height() - 2 * t - t));
        bar_->setVisible(page < ScrollAxis::kRange);
    }
    syncScrollBar();
}

void ServiceTextScreen::syncScrollBar() {
    if (!bar_) return;
    const QSignalBlocker quiet(bar_);
    const int page = std::clamp(axis_.page(), 1, ScrollAxis::kRange);
    bar_->setRange(0, ScrollAxis::kRange - page + 1);
    bar_->setPageStep(page);
    bar_->setValue(axis_.position());
}

void ServiceTextScreen::VScroll(int request, int thumb) {
    if (layoutPending_) layout();
    axis_.scrollBar(request, thumb);
    syncScrollBar();
    Invalidate();
}

void ServiceTextScreen::OnPaint(Canvas& canvas) {
    if (layoutPending_) layout();
    canvas.copyFrom(page_, GetClientRect(), 0, axis_.offset());
}

void ServiceTextScreen::OnKeyDown(int vk) {
    if (vk != VK_UP && vk != VK_DOWN) return;
    if (layoutPending_) layout();
    if (vk == VK_UP)
        axis_.keyUp(kKeyStep);
    else
        axis_.keyDown(kKeyStep);
    syncScrollBar();
    Invalidate();
}

void ServiceTextScreen::OnCommand(int id) {
    if (id == commands_.back) {
        EndDialog(platform::IDCANCEL);
    } else if (id == commands_.forward) {
        platform::ComposerMessage message;
        message.body = u"此消息来至米多晴雨匣";
        message.subject = text_;
        Context().shell().openComposer(message);
    }
}

}  // namespace services
