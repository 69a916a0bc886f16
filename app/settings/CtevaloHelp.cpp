#include "app/settings/CtevaloHelp.h"

#include <algorithm>

#include "app/settings/CtevaloHelpText.h"
#include "app/shell/HeaderBand.h"
#include "app/shell/Recommendation.h"
#include "app/shell/StartupWork.h"
#include "res/ResourceIds.h"

namespace app {

using namespace platform::ui;

CtevaloHelp::CtevaloHelp(AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloHelp", context, parent), bar_(new QScrollBar(Qt::Vertical, this)) {
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: #4a4a4a; width: 13px; margin: 13px 0 13px 0; }"
        "QScrollBar::handle:vertical { background: #d8d8d8; min-height: 20px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {"
        " background: #505050; height: 13px; subcontrol-origin: margin; }"));
    connect(bar_, &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub:
                OnVScroll(SB_LINEUP, 0);
                break;
            case QAbstractSlider::SliderSingleStepAdd:
                OnVScroll(SB_LINEDOWN, 0);
                break;
            case QAbstractSlider::SliderPageStepSub:
                OnVScroll(SB_PAGEUP, 0);
                break;
            case QAbstractSlider::SliderPageStepAdd:
                OnVScroll(SB_PAGEDOWN, 0);
                break;
            case QAbstractSlider::SliderMove:
                OnVScroll(SB_THUMBTRACK, bar_->sliderPosition());
                break;
            default:
                break;
        }
    });
}

std::u16string CtevaloHelp::TimeText(const platform::LocalTime& t) {
    std::u16string text = StartupWork::timeOfDay(t.hour, t.minute, t.second);
    const size_t blank = text.find(u' ');
    return blank == std::u16string::npos ? text : text.substr(blank + 1);
}

bool CtevaloHelp::OnInitDialog() {
    SetWindowText(u"软件帮助");
    SetSoftKeys(
        {res::IDR_HELP,
         {res::ID_HELP_BACK, u"返回", {}},
         {0,
          u"选项",
          {{res::ID_HELP_RECOMMEND, u"推荐好友", {}}, {res::ID_HELP_FEEDBACK, u"意见反馈", {}}}}});
    MakeFullScreen();
    header_.load(PicturePath(u"tmd.png"));
    text_ = helpText(Context().contacts());
    timeText_ = TimeText(platform::localTime());
    renderedWidth_ = -1;
    renderText();
    return true;
}

int CtevaloHelp::VisibleHeight() const {
    return std::max(0, height() - 2 * TopMargin());
}

int CtevaloHelp::maxOffset() const {
    return std::max(0, kTextHeight - VisibleHeight());
}

void CtevaloHelp::renderText() {
    if (renderedWidth_ == width()) return;
    renderedWidth_ = width();
    const int top = TopMargin();
    const bool needBar = kTextHeight > VisibleHeight();
    bar_->setGeometry(width() - kScrollBarWidth, top, kScrollBarWidth, VisibleHeight());
    bar_->setVisible(needBar);
    bar_->setRange(0, maxOffset());
    bar_->setPageStep(VisibleHeight());
    bar_->setSingleStep(kLineStep);
    if (!needBar) offset_ = 0;
    offset_ = std::min(offset_, maxOffset());
    bar_->setValue(offset_);

    const int textWidth = std::max(1, width() - (needBar ? kScrollBarWidth : 0));
    textPicture_.resize(textWidth, kTextHeight, Colors().background);
    Canvas c = textPicture_.canvas();
    c.fillRect(c.bounds(), Colors().background);
    c.drawText(text_, {4, 4, textWidth - 4, kTextHeight}, DT_LEFT | DT_WORDBREAK,
               FontChoice{u"", 13, false}, kWhite);
}

void CtevaloHelp::OnPaint(Canvas& canvas) {
    renderText();
    const int top = TopMargin();
    canvas.copyFrom(textPicture_, {0, top, textPicture_.width(), top + VisibleHeight()}, 0,
                    offset_);
    HeaderBand::paint(canvas, header_, top, timeText_);
}

void CtevaloHelp::setOffset(int offset) {
    offset_ = std::clamp(offset, 0, maxOffset());
    bar_->setValue(offset_);
    Invalidate();
}

void CtevaloHelp::OnVScroll(int request, int position) {
    switch (request) {
        case SB_LINEUP:
            setOffset(offset_ - kLineStep);
            break;
        case SB_LINEDOWN:
            setOffset(offset_ + kLineStep);
            break;
        case SB_PAGEUP:
            setOffset(offset_ - VisibleHeight());
            break;
        case SB_PAGEDOWN:
            setOffset(offset_ + VisibleHeight());
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: {
            // The bar's range is the scrollable part; its position is pixels.
            const int range = std::max(1, bar_->maximum());
            setOffset(position * maxOffset() / range);
            break;
        }
        default:
            break;
    }
}

void CtevaloHelp::OnKeyDown(int vk) {
    if (vk == VK_UP) OnVScroll(SB_LINEUP, 0);
    if (vk == VK_DOWN) OnVScroll(SB_LINEDOWN, 0);
}

void CtevaloHelp::OnCommand(int id) {
    switch (id) {
        case res::ID_HELP_BACK:
            EndDialog(IDCANCEL);
            break;
        case res::ID_HELP_RECOMMEND:
            Context().shell().openComposer(recommendMessage(Context().contacts().wapSite));
            break;
        case res::ID_HELP_FEEDBACK:
            Context().shell().openComposer(feedbackMessage(Context().contacts()));
            break;
        default:
            break;
    }
}

void CtevaloHelp::OnActivate(int state) {
    ShellScreen::OnActivate(state);
    timeText_ = TimeText(platform::localTime());
    Invalidate();
}

void CtevaloHelp::OnSize(int kind, int cx, int cy) {
    ShellScreen::OnSize(kind, cx, cy);
    if (kind != SIZE_MINIMIZED) Invalidate();
}

}  // namespace app
