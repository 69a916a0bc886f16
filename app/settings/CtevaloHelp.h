#pragma once

// The help screen: a header band with the time and the product title over the
// help text, drawn into a 900-pixel tall picture and scrolled with a 13-pixel
// scroll bar at the right edge (hidden when the text area shows it all).
// "选项" offers "推荐好友" and "意见反馈" through the composer.

#include <QScrollBar>

#include "app/shell/ShellScreen.h"
#include "platform/clock/Clock.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Picture.h"

namespace app {

class CtevaloHelp final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloHelp)

public:
    static constexpr int kTextHeight = 900;
    static constexpr int kLineStep = 14;
    static constexpr int kScrollBarWidth = 13;

    CtevaloHelp(AppContext& context, platform::ui::CDialog* parent);

    int ScrollOffset() const { return offset_; }
    bool ScrollBarShown() const { return !bar_->isHidden(); }
    int VisibleHeight() const;
    // Scroll requests as the bar sends them (SB_LINEUP ... SB_THUMBTRACK).
    void OnVScroll(int request, int position);

    // The header's time text: time only, the part after a blank when there is one.
    static std::u16string TimeText(const platform::LocalTime& time);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int vk) override;
    void OnCommand(int id) override;
    void OnActivate(int state) override;
    void OnSize(int kind, int cx, int cy) override;
    platform::ui::Color BackgroundColor() const override { return Colors().background; }

private:
    void renderText();
    int maxOffset() const;
    void setOffset(int offset);

    std::u16string text_;
    std::u16string timeText_;
    platform::ui::Picture header_;
    platform::ui::Surface textPicture_;
    QScrollBar* bar_;
    int renderedWidth_ = -1;
    int offset_ = 0;
};

}  // namespace app
