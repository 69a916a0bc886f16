#pragma once

// The soft-key bar at the bottom of a screen and the pop-up menu of its keys:
// which key is pressed, which pop-up entry is selected, and how it is drawn.
// An entry with a pop-up of its own ("添加" with "添加城市" and "添加风景区")
// opens a second pop-up beside the first. It decides; the dialog carries out
// the command it returns.

#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/Canvas.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/SoftKeyMenu.h"

namespace platform::ui {

class SoftKeyBar final {
public:
    enum class Key { Left, Right };

    void setMenu(SoftKeyMenu menu);
    const SoftKeyMenu& menu() const { return menu_; }
    bool empty() const { return menu_.left.text.empty() && menu_.right.text.empty(); }

    // Pressing a key opens its pop-up or gives its command.
    std::optional<int> press(Key key);
    bool popupOpen() const { return openKey_.has_value(); }
    std::optional<Key> openKey() const { return openKey_; }
    int popupSelection() const { return selection_; }
    // The entry of the pop-up whose own pop-up is open, if any.
    std::optional<int> subPopupEntry() const { return subEntry_; }
    int subPopupSelection() const { return subSelection_; }
    void closePopup();

    // Keys while the pop-up is open: Up/Down move (wrapping), Return gives the
    // selected command or opens the entry's pop-up (so does Right), Escape
    // closes (Left and Escape close only the inner pop-up). Returns the
    // command to run, if any.
    std::optional<int> popupKey(int vk);
    // A tap while the pop-up is open: an entry gives its command or opens its
    // pop-up; anywhere else closes every pop-up.
    std::optional<int> popupTap(int x, int y);

    // Geometry within a screen of the given size and bar height.
    Rect barRect(int width, int height, int barHeight) const;
    Rect popupRect(int width, int height, int barHeight) const;
    Rect popupItemRect(int index, int width, int height, int barHeight) const;
    // The inner pop-up beside the outer one, next to its entry; empty when closed.
    Rect subPopupRect(int width, int height, int barHeight) const;
    Rect subPopupItemRect(int index, int width, int height, int barHeight) const;
    // Which key a point of the bar belongs to.
    std::optional<Key> keyAt(int x, int y, int width, int height, int barHeight) const;

    void paint(Canvas& canvas, int barHeight) const;

    static constexpr int kPopupItemHeight = 24;

private:
    const MenuItem& item(Key key) const { return key == Key::Left ? menu_.left : menu_.right; }
    const std::vector<MenuItem>* openItems() const;
    const std::vector<MenuItem>* openSubItems() const;
    // Runs the entry: its command, or its own pop-up opened.
    std::optional<int> choose(int index);
    static void paintPopup(Canvas& canvas, const Rect& popup, const std::vector<MenuItem>& items,
                           int selection, const std::function<Rect(int)>& itemRect);

    SoftKeyMenu menu_;
    std::optional<Key> openKey_;
    int selection_ = 0;
    std::optional<int> subEntry_;
    int subSelection_ = 0;
    // Remembered for popupTap, which has no size of its own.
    mutable int lastWidth_ = 0, lastHeight_ = 0, lastBar_ = 0;
};

}  // namespace platform::ui
