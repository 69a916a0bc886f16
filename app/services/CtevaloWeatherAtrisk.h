#pragma once

// The danger report: a table of cities, danger details and times fetched on
// "更新" and kept only while the screen is open, scrolled by two scroll bars.

#include <QPointer>
#include <string>

#include "app/services/DangerTable.h"
#include "app/services/ScrollAxis.h"
#include "app/shell/ShellScreen.h"
#include "platform/ui/Canvas.h"

class QScrollBar;

namespace services {

class CtevaloWeatherAtrisk final : public app::ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloWeatherAtrisk)

public:
    static constexpr int kBack = 32961;
    static constexpr int kUpdate = 32962;
    static constexpr int kSizeFactor = 10;
    static constexpr int kScrollBarThickness = 13;

    CtevaloWeatherAtrisk(app::AppContext& context, platform::ui::CDialog* parent);

    void Update();
    const DangerTable& Table() const { return table_; }
    bool ShowsTable() const { return showsTable_; }
    const std::u16string& Message() const { return message_; }
    int HorizontalOffset() const { return across_.offset(); }
    int VerticalOffset() const { return down_.offset(); }
    // Scroll-bar requests (SB_*), as the bars send them.
    void HScroll(int request, int thumb = 0);
    void VScroll(int request, int thumb = 0);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnCommand(int id) override;

private:
    void resizeBitmap();
    void drawTable(platform::ui::Canvas& canvas) const;
    void layoutScrollBars();
    void syncScrollBars();
    QScrollBar* makeBar(Qt::Orientation orientation);

    DangerTable table_;
    bool showsTable_ = false;
    std::u16string message_ = u"请更新查看";
    bool redraw_ = true;
    bool barsPending_ = true;
    int contentWidth_ = DangerTable::kLeft;
    int contentHeight_ = DangerTable::kTop;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    int laidOutWidth_ = -1;
    int rowHeight_ = 20;
    ScrollAxis across_{10, 20, 6};
    ScrollAxis down_{10, 20, 6};
    platform::ui::Surface bitmap_;
    QPointer<QScrollBar> hbar_;
    QPointer<QScrollBar> vbar_;
    std::u16string progress_;
};

}  // namespace services
