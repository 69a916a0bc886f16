#pragma once

// One item of the home screen: its library, loaded with dlopen, its description and
// the home screen's side of the item interface (client size, colours, watermark, font
// size, message boxes, local time, drawing contexts). The item draws into a surface of
// its own, which the home screen places at the item's position. What the item draws
// is also kept as a draw log.

#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/today/TodayItem.h"

namespace home {

struct TodayItemEntry {
    std::u16string name;  // the registry key name
    std::string library;  // host file of the library
    uint32_t order = 0;
    uint32_t type = 0;
    uint32_t options = 0;
    uint32_t flags = 0;
    uint32_t selectability = 0;
};

struct TodayDrawRecord {
    int kind = 0;  // tevalo_today_draw_kind
    tevalo_today_rect rect{};
    uint32_t colour = 0;
    std::u16string text;
};

class TodayItemHost final {
public:
    struct Colours {
        uint32_t text = 0x000000;
        uint32_t highlight = 0x0A5AC8;
        uint32_t highlightText = 0xFFFFFF;
    };
    // Draws the home screen's background into dc over rect of the item.
    using Watermark = std::function<void(const tevalo_today_dc& dc, const tevalo_today_rect& rect)>;

    // Loads the library and initialises the item. Nothing, with the reason in `error`,
    // when the library or its entry is missing or the item declines.
    static std::unique_ptr<TodayItemHost> load(const TodayItemEntry& entry, int width,
                                               std::string& error);
    ~TodayItemHost();
    TodayItemHost(const TodayItemHost&) = delete;
    TodayItemHost& operator=(const TodayItemHost&) = delete;

    const TodayItemEntry& entry() const { return entry_; }
    int height() const { return desc_.height; }
    int width() const { return width_; }
    void setWidth(int width) { width_ = width; }
    void setColours(const Colours& colours) { colours_ = colours; }
    void setSystemFontPixels(int pixels) { fontPixels_ = pixels; }
    void setShellReady(bool ready) { shellReady_ = ready; }
    void setWatermark(Watermark watermark) { watermark_ = std::move(watermark); }
    // The window the item's message boxes are modal to.
    void setOwner(void* owner) { owner_ = owner; }
    // Called when the item has drawn outside of a paint (tap feedback, a redraw
    // after an update) or asked to be painted.
    void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

    intptr_t send(uint32_t message, uintptr_t wparam = 0, intptr_t lparam = 0);
    // The periodic refresh query; true when the item set its height.
    bool queryRefresh();
    // Erase and paint into the item's surface.
    void paint();
    const QImage& surface() const { return surface_; }

    const std::vector<TodayDrawRecord>& drawLog() const { return drawLog_; }
    void clearDrawLog() { drawLog_.clear(); }

private:
    TodayItemHost(TodayItemEntry entry, void* library, int width);
    tevalo_today_dc* makeDc();
    static TodayItemHost& of(void* context) { return *static_cast<TodayItemHost*>(context); }

    TodayItemEntry entry_;
    void* library_ = nullptr;
    std::u16string name_;
    tevalo_today_item_desc desc_{};
    tevalo_today_host host_{};
    tevalo_today_item* item_ = nullptr;
    int width_ = 0;
    Colours colours_;
    int fontPixels_ = 13;
    bool shellReady_ = true;
    Watermark watermark_;
    void* owner_ = nullptr;
    std::function<void()> onChanged_;
    QImage surface_;
    tevalo_today_dc dc_{};
    std::vector<TodayDrawRecord> drawLog_;
};

}  // namespace home
