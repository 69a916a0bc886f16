#pragma once

// The text screen of a report or a warning: the title, a line feed and the
// text, word-wrapped in white, scrolled by Up/Down (40 pixels) and by the
// vertical scroll bar; "转发" hands the text to the message composer as an SMS.

#include <QPointer>
#include <string>

#include "app/services/ScrollAxis.h"
#include "app/shell/ShellScreen.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/SoftKeyMenu.h"

class QScrollBar;

namespace services {

// The commands of a text screen's two soft keys.
struct TextScreenCommands {
    int back;
    int forward;
};

class ServiceTextScreen : public app::ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServiceTextScreen)

public:
    static constexpr int kKeyStep = 40;
    static constexpr int kScrollBarWidth = 13;

    const std::u16string& ShownText() const { return text_; }
    int ScrollOffset() const { return axis_.offset(); }
    int ScrollPosition() const { return axis_.position(); }
    int TextHeight() const { return textHeight_; }
    // Where the text is drawn in the scrolled picture.
    platform::ui::Rect TextRect() const;
    // A request of the scroll bar (SB_*), as the bar sends it.
    void VScroll(int request, int thumb = 0);

protected:
    ServiceTextScreen(std::u16string className, app::AppContext& context,
                      platform::ui::CDialog* parent, platform::ui::SoftKeyMenu menu,
                      TextScreenCommands commands);

    void SetShownText(std::u16string text);

    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int vk) override;
    void OnCommand(int id) override;
    void OnSize(int kind, int cx, int cy) override;

private:
    void layout();
    void syncScrollBar();
    int viewHeight() const;

    platform::ui::SoftKeyMenu menu_;
    TextScreenCommands commands_;
    std::u16string text_;
    ScrollAxis axis_;
    platform::ui::Surface page_;
    QPointer<QScrollBar> bar_;
    int textHeight_ = 0;
    bool layoutPending_ = true;
};

}  // namespace services
