#include "platform/ui/SoftKeyBar.h"

#include <algorithm>

#include "platform/ui/WinDefs.h"

namespace platform::ui {
namespace {

constexpr Color kBarColor = rgb(40, 44, 52);
constexpr Color kBarText = rgb(255, 255, 255);
constexpr Color kPopupColor = rgb(250, 250, 250);
constexpr Color kPopupText = rgb(0, 0, 0);
constexpr Color kPopupSelected = rgb(49, 106, 197);
constexpr Color kPopupBorder = rgb(90, 90, 90);
constexpr int kPopupWidth = 110;

}  // namespace

void SoftKeyBar::setMenu(SoftKeyMenu menu) {
    menu_ = std::move(menu);
    openKey_.reset();
    selection_ = 0;
}

const std::vector<MenuItem>* SoftKeyBar::openItems() const {
    if (!openKey_) return nullptr;
    return &item(*openKey_).popup;
}

std::optional<int> SoftKeyBar::press(Key key) {
    const MenuItem& it = item(key);
    if (openKey_ == key) {  // the key of the open pop-up closes it
        openKey_.reset();
        return std::nullopt;
    }
    openKey_.reset();
    if (!it.popup.empty()) {
        openKey_ = key;
        selection_ = 0;
        return std::nullopt;
    }
    if (it.text.empty() && it.id == 0) return std::nullopt;
    return it.id;
}

std::optional<int> SoftKeyBar::popupKey(int vk) {
    const auto* items = openItems();
    if (!items || items->empty()) return std::nullopt;
    const int n = static_cast<int>(items->size());
    switch (vk) {
        case VK_UP:
            selection_ = (selection_ + n - 1) % n;
            return std::nullopt;
        case VK_DOWN:
            selection_ = (selection_ + 1) % n;
            return std::nullopt;
        case VK_RETURN: {
            const int id = (*items)[selection_].id;
            openKey_.reset();
            return id;
        }
        case VK_ESCAPE:
        case VK_BACK:
        case VK_LEFT:
            openKey_.reset();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<int> SoftKeyBar::popupTap(int x, int y) {
    const auto* items = openItems();
    if (!items) return std::nullopt;
    for (int i = 0; i < static_cast<int>(items->size()); ++i) {
        if (popupItemRect(i, lastWidth_, lastHeight_, lastBar_).contains(x, y)) {
            const int id = (*items)[i].id;
            openKey_.reset();
            return id;
        }
    }
    openKey_.reset();
    return std::nullopt;
}

Rect SoftKeyBar::barRect(int width, int height, int barHeight) const {
    return {0, height - barHeight, width, height};
}

Rect SoftKeyBar::popupRect(int width, int height, int barHeight) const {
    const auto* items = openItems();
    const int n = items ? static_cast<int>(items->size()) : 0;
    const int w = std::min(kPopupWidth, width);
    const int h = n * kPopupItemHeight + 4;
    const int left = (openKey_ == Key::Left) ? 0 : width - w;
    return {left, height - barHeight - h, left + w, height - barHeight};
}

Rect SoftKeyBar::popupItemRect(int index, int width, int height, int barHeight) const {
    const Rect p = popupRect(width, height, barHeight);
    const int top = p.top + 2 + index * kPopupItemHeight;
    return {p.left + 2, top, p.right - 2, top + kPopupItemHeight};
}

std::optional<SoftKeyBar::Key> SoftKeyBar::keyAt(int x, int y, int width, int height,
                                                 int barHeight) const {
    if (!barRect(width, height, barHeight).contains(x, y)) return std::nullopt;
    return x < width / 2 ? Key::Left : Key::Right;
}

void SoftKeyBar::paint(Canvas& canvas, int barHeight) const {
    const int w = canvas.width();
    const int h = canvas.height();
    lastWidth_ = w;
    lastHeight_ = h;
    lastBar_ = barHeight;
    if (barHeight <= 0) return;
    const Rect bar = barRect(w, h, barHeight);
    canvas.fillRect(bar, kBarColor);
    const FontChoice font{u"", 14, true};
    const Rect half{bar.left + 8, bar.top, bar.right - 8, bar.bottom};
    if (!menu_.left.text.empty())
        canvas.drawText(menu_.left.text, half, DT_LEFT | DT_VCENTER | DT_SINGLELINE, font,
                        kBarText);
    if (!menu_.right.text.empty())
        canvas.drawText(menu_.right.text, half, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, font,
                        kBarText);
    const auto* items = openItems();
    if (!items) return;
    const Rect p = popupRect(w, h, barHeight);
    canvas.fillRect(p, kPopupColor);
    canvas.drawFrame(p, kPopupBorder);
    for (int i = 0; i < static_cast<int>(items->size()); ++i) {
        const Rect r = popupItemRect(i, w, h, barHeight);
        const bool selected = i == selection_;
        if (selected) canvas.fillRect(r, kPopupSelected);
        canvas.drawText((*items)[i].text, r.inset(6, 0, 4, 0), DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                        FontChoice{u"", 14, false}, selected ? kWhite : kPopupText);
    }
}

}  // namespace platform::ui
