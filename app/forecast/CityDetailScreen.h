#pragma once

// The detail screen of one listed city, shared by the three-day, weekly and
// on-demand lists: today in full (picture, temperature, date, wind, name,
// weather, rainfall, three index tabs) and one short row per following day.
// A city never updated shows a built-in sample.

#include <QScrollBar>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/forecast/DetailScroll.h"
#include "app/forecast/ForecastListKind.h"
#include "app/shell/ShellScreen.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/ui/Picture.h"

namespace app {

class CityDetailScreen : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CityDetailScreen)

public:
    CityDetailScreen(std::u16string className, const ForecastListKind& kind, AppContext& context,
                     std::u16string cityName, platform::ui::CDialog* parent);
    ~CityDetailScreen() override;

    int selectedTab() const { return tab_; }
    const DetailScroll& scroll() const { return scroll_; }
    bool showsSample() const { return sample_; }
    // Every text the progress strip showed during the last update, in order.
    const std::vector<std::u16string>& stripTexts() const { return stripHistory_; }

    // Fetches this one city again and tells the list.
    void UpdateCity();

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnCommand(int id) override;
    void OnKeyDown(int vk) override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnSize(int kind, int cx, int cy) override;
    void OnDestroy() override;
    platform::ui::Color BackgroundColor() const override { return Colors().background; }

    virtual platform::ui::SoftKeyMenu Menu() const = 0;

private:
    platform::WindowHandle owner();
    void loadValues();
    void paintPicture(platform::ui::Canvas& canvas, int width) const;
    void paintRows(platform::ui::Canvas& canvas, int width) const;
    void resetScroll();
    void onScrollAction(int action);
    void writeStrip(std::u16string text);
    int tabAt(int x) const;

    const ForecastListKind& kind_;
    std::u16string cityName_;
    std::u16string stamp_;
    std::array<std::u16string, 7> days_;
    bool sample_ = false;
    int tab_ = 0;
    std::optional<int> penTab_;
    DetailScroll scroll_;
    QScrollBar* scrollBar_ = nullptr;
    platform::ui::Picture selectionBar_;
    int degreeWidth_ = 0;
    int degreeHeight_ = 0;
    std::u16string stripText_;
    std::vector<std::u16string> stripHistory_;
    bool repositioned_ = false;
};

}  // namespace app
