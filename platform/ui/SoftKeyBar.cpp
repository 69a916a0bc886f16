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
    closePopup();
}

void SoftKeyBar::closePopup() {
    openKey_.reset();
    selection_ = 0;
    subEntry_.reset();
    subSelection_ = 0;
}

const std::vector<MenuItem>* SoftKeyBar::openItems() const {
    if (!openKey_) return nullptr;
    return &item(*openKey_).popup;
}

const std::vector<MenuItem>* SoftKeyBar::openSubItems() const {
    const auto* items = openItems();
    if (!items || !subEntry_) return nullptr;
    return &(*items)[static_cast<std::size_t>(*subEntry_)].popup;
}

std::optional<int> SoftKeyBar::press(Key key) {
    const MenuItem& it = item(key);
    const bool wasOpen = openKey_ == key;
    closePopup();
    if (wasOpen) return std::nullopt;  // the key of the open pop-up closes it
    if (!it.popup.empty()) {
        openKey_ = key;
        return std::nullopt;
    }
    if (it.text.empty() && it.id == 0) return std::nullopt;
    return it.id;
}

std::optional<int> SoftKeyBar::choose(int index) {
    const auto& entry = (*openItems())[static_cast<std::size_t>(index)];
    if (!entry.popup.empty()) {
        selection_ = index;
        subEntry_ = index;
        subSelection_ = 0;
        return std::nullopt;
    }
    const int id = entry.id;
    closePopup();
    return id;
}

namespace {

// Up and Down move through a pop-up's entries and wrap at the ends.
bool stepSelection(int& selection, int count, int vk) {
    if (vk == VK_UP) {
        selection = (selection + count - 1) % count;
        return true;
    }
    if (vk == VK_DOWN) {
        selection = (selection + 1) % count;
        return true;
    }
    return false;
}

}  // namespace

std::optional<int> SoftKeyBar::popupKey(int vk) {
    const auto* items = openItems();
    if (!items || items->empty()) return std::nullopt;
    if (const auto* sub = openSubItems()) {
        if (stepSelection(subSelection_, static_cast<int>(sub->size()), vk)) return std::nullopt;
        if (vk == VK_RETURN) {
            const int id = (*sub)[static_cast<std::size_t>(subSelection_)].id;
            closePopup();
            return id;
        }
        if (vk == VK_ESCAPE || vk == VK_BACK || vk == VK_LEFT) subEntry_.reset();
        return std::nullopt;
    }
    if (stepSelection(selection_, static_cast<int>(items->size()), vk)) return std::nullopt;
    switch (vk) {
        case VK_RETURN:
            return choose(selection_);
        case VK_RIGHT:
            if (!(*items)[static_cast<std::size_t>(selection_)].popup.empty()) choose(selection_);
            return std::nullopt;
        case VK_ESCAPE:
        case VK_BACK:
        case VK_LEFT:
            closePopup();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<int> SoftKeyBar::popupTap(int x, int y) {
    const auto* items = openItems();
    if (!items) return std::nullopt;
    if (const auto* sub = openSubItems()) {
        for (int i = 0; i < static_cast<int>(sub->size()); ++i) {
            if (subPopupItemRect(i, lastWidth_, lastHeight_, lastBar_).contains(x, y)) {
                const int id = (*sub)[static_cast<std::size_t>(i)].id;
                closePopup();
                return id;
            }
        }
    }
    for (int i = 0; i < static_cast<int>(items->size()); ++i) {
        if (popupItemRect(i, lastWidth_, lastHeight_, lastBar_).contains(x, y)) return choose(i);
    }
    closePopup();
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

Rect SoftKeyBar::subPopupRect(int width, int height, int barHeight) const {
    const auto* sub = openSubItems();
    if (!sub) return {};
    const Rect outer = popupRect(width, height, barHeight);
    const int w = std::min(kPopupWidth, width);
    // Beside the outer pop-up, towards the middle of the screen.
    int left = openKey_ == Key::Left ? outer.right : outer.left - w;
    left = std::clamp(left, 0, std::max(0, width - w));
    const int h = static_cast<int>(sub->size()) * kPopupItemHeight + 4;
    const int bottom = height - barHeight;
    const int top = std::clamp(popupItemRect(*subEntry_, width, height, barHeight).top - 2, 0,
                               std::max(0, bottom - h));
    return {left, top, left + w, top + h};
}

Rect SoftKeyBar::subPopupItemRect(int index, int width, int height, int barHeight) const {
    const Rect p = subPopupRect(width, height, barHeight);
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
    paintPopup(canvas, popupRect(w, h, barHeight), *items, selection_,
               [&](int i) { return popupItemRect(i, w, h, barHeight); });
    if (const auto* sub = openSubItems()) {
        paintPopup(canvas, subPopupRect(w, h, barHeight), *sub, subSelection_,
                   [&](int i) { return subPopupItemRect(i, w, h, barHeight); });
    }
}

void SoftKeyBar::paintPopup(Canvas& canvas, const Rect& popup, const std::vector<MenuItem>& items,
                            int selection, const std::function<Rect(int)>& itemRect) {
    canvas.fillRect(popup, kPopupColor);
    canvas.drawFrame(popup, kPopupBorder);
    const FontChoice font{u"", 14, false};
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const Rect r = itemRect(i);
        const bool selected = i == selection;
        const Color text = selected ? kWhite : kPopupText;
        if (selected) canvas.fillRect(r, kPopupSelected);
        const auto& entry = items[static_cast<std::size_t>(i)];
        canvas.drawText(entry.text, r.inset(6, 0, 4, 0), DT_LEFT | DT_VCENTER | DT_SINGLELINE, font,
                        text);
        // An entry with its own pop-up carries the usual arrow.
        if (!entry.popup.empty())
            canvas.drawText(u">", r.inset(6, 0, 6, 0), DT_RIGHT | DT_VCENTER | DT_SINGLELINE, font,
                            text);
    }
}

}  // namespace platform::ui
