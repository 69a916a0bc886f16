#include "platform/ui/WindowRegistry.h"

#include <algorithm>

#include "platform/ui/CDialog.h"

namespace platform::ui {
namespace {

std::vector<CDialog*>& windows() {
    static std::vector<CDialog*> w;
    return w;
}

}  // namespace

CDialog* WindowRegistry::FindWindow(std::u16string_view className, std::u16string_view caption) {
    auto& w = windows();
    for (auto it = w.rbegin(); it != w.rend(); ++it) {
        CDialog* d = *it;
        if (!d->IsInitialised()) continue;
        if (!className.empty() && d->ClassName() != className) continue;
        if (!caption.empty() && d->GetWindowText() != caption) continue;
        return d;
    }
    return nullptr;
}

std::intptr_t WindowRegistry::SendMessage(CDialog* target, unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    const auto& w = windows();
    if (!target || std::find(w.begin(), w.end(), target) == w.end()) return 0;
    return target->SendMessage(message, wParam, lParam);
}

CDialog* WindowRegistry::WindowBehind(const CDialog* self) {
    const auto& w = windows();
    auto it = std::find(w.begin(), w.end(), self);
    if (it == w.end()) return nullptr;
    while (it != w.begin()) {
        --it;
        if ((*it)->IsInitialised() && (*it)->isVisible()) return *it;
    }
    return nullptr;
}

std::vector<CDialog*> WindowRegistry::Windows() {
    return windows();
}

void WindowRegistry::Add(CDialog* dialog) {
    windows().push_back(dialog);
}

void WindowRegistry::Remove(CDialog* dialog) {
    std::erase(windows(), dialog);
}

void WindowRegistry::Raise(CDialog* dialog) {
    auto& w = windows();
    auto it = std::find(w.begin(), w.end(), dialog);
    if (it == w.end()) return;
    w.erase(it);
    w.push_back(dialog);
}

}  // namespace platform::ui
