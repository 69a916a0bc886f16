#pragma once

// The home screen: the date on top, then the enabled items one below the other on a
// watermark. It asks every item for its height every two seconds, passes keys and taps
// to the selected item and reloads the items when another process broadcasts the
// settings change 0xF2.

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "hosts/home/TodayItemHost.h"
#include "platform/registry/Registry.h"
#include "platform/shell/SettingChange.h"

namespace home {

// First parameter of the settings-change broadcast on which the items are reloaded.
inline constexpr unsigned kReloadItemsMessage = 0xF2;

class HomeScreen final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HomeScreen)

public:
    static constexpr int kRefreshMs = 2000;
    static constexpr int kDateRowHeight = 24;

    explicit HomeScreen(platform::Registry registry, QWidget* parent = nullptr);
    ~HomeScreen() override;

    // Drops every item and loads the enabled ones again.
    void reloadItems();
    // One periodic refresh query to every item.
    void refresh();

    const std::vector<std::unique_ptr<TodayItemHost>>& items() const { return items_; }
    int selected() const { return selected_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Marks a call into the items. An item may show a message box, whose event loop can
    // deliver a reload or a refresh meanwhile: neither may pull the item away under its
    // own call, so they wait for the outermost call to end.
    class ItemCall final {
    public:
        explicit ItemCall(HomeScreen& screen) : screen_(screen) { ++screen_.itemCalls_; }
        ~ItemCall();
        ItemCall(const ItemCall&) = delete;
        ItemCall& operator=(const ItemCall&) = delete;

    private:
        HomeScreen& screen_;
    };

    int itemTop(std::size_t index) const;
    int itemAt(int y) const;
    void select(int index);
    void reportFailure(const std::u16string& name, const std::string& reason);
    void drawWatermark(const tevalo_today_dc& dc, const tevalo_today_rect& rect, int top) const;
    void renderWatermark();

    platform::Registry registry_;
    std::vector<std::unique_ptr<TodayItemHost>> items_;
    std::set<std::u16string> reported_;
    int selected_ = -1;
    int pressed_ = -1;
    int itemCalls_ = 0;
    bool reloadPending_ = false;
    QImage watermark_;
    QTimer refreshTimer_;
    platform::SettingChangeListener settingChanges_;
};

}  // namespace home
