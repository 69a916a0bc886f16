#pragma once

// The forecast city list screen shared by the three-day, weekly and on-demand
// lists: rows with picture, weather and temperature, the header line, the
// selection bar, a scroll bar when the rows outgrow the display, keys and pen,
// the reload-cities message and the fetches. Subclasses supply the soft keys
// and the screens they open.

#include <QScrollBar>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/forecast/CityListGeometry.h"
#include "app/forecast/CityListModel.h"
#include "app/forecast/CityListPainter.h"
#include "app/forecast/ListScroll.h"
#include "app/shell/ShellScreen.h"
#include "platform/shell/NamedMutex.h"
#include "platform/ui/Picture.h"

namespace app {

class CityListScreen : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CityListScreen)

public:
    static constexpr unsigned kReloadCities = platform::ui::WM_USER + 1;
    static constexpr unsigned kRemoveRow = platform::ui::WM_USER + 4;

    CityListScreen(std::u16string className, const ForecastListKind& kind, AppContext& context,
                   platform::ui::CDialog* parent);
    ~CityListScreen() override;

    const CityListModel& model() const { return model_; }
    int scrollOffset() const { return scroll_.offset(); }
    bool scrollBarShown() const;
    // Every text written for the progress strip during the last fetch, in order.
    std::vector<std::u16string> progressTexts() const;
    // Every text the progress strip was painted with during the last fetch.
    std::vector<std::u16string> shownProgressTexts() const;

    // Commands shared by the lists.
    void UpdateAll();
    void DeleteSelected();
    void MakeSelectedDefault();
    void ForwardSelected();
    void Recommend();
    void OpenSelected();
    // Runs the single-city fetch a reload with the fetch flag asked for.
    void RunPendingFetch();

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int vk) override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    std::intptr_t OnUserMessage(unsigned message, std::uintptr_t wParam,
                                std::intptr_t lParam) override;
    void OnDestroy() override;

    virtual platform::ui::SoftKeyMenu Menu() const = 0;
    virtual void OpenDetail(const std::u16string& cityName) = 0;

    const ForecastListKind& kind() const { return kind_; }
    CityListModel& mutableModel() { return model_; }
    // The window the message boxes belong to.
    platform::WindowHandle owner() { return static_cast<QWidget*>(this); }
    void Refresh();

private:
    CityListGeometry geometry() const;
    CityListPainter::Header header() const;
    void updateScrollBar();
    void onScrollAction(int action);
    void setProgress(std::u16string text, bool singleCity);
    void clearProgress();
    void forgetProgress();
    // Tells the user once when the list or its forecasts could not be read.
    void tellReadFailure();
    void repaintNow();
    std::optional<std::u16string> fetchChecked(std::u16string_view path, int sizeFactor,
                                               bool oneCall);
    void updateListInTurns();
    void updateDemand();
    void fetchSingleCity(const store::UserCityRecord& city);

    // The mutex taken by the updating thread, and whether this thread holds it.
    void takeTurn();
    void giveTurn();

    const ForecastListKind& kind_;
    CityListModel model_;
    platform::ui::Surface list_;
    bool listDirty_ = true;
    ListScroll scroll_;
    QScrollBar* scrollBar_ = nullptr;
    platform::ui::Picture selectionBar_;
    std::optional<platform::ui::Rect> penRect_;
    bool fetchQueued_ = false;

    std::optional<platform::NamedMutex> turns_;
    bool holdingTurn_ = false;

    mutable std::mutex progressMutex_;
    std::u16string progressText_;
    bool progressSingleCity_ = false;
    std::vector<std::u16string> progressHistory_;
    std::vector<std::u16string> progressShown_;
};

}  // namespace app
