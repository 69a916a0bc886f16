#pragma once

// The item window of the weather item on the home screen: answers the host's messages,
// paints the desktop city's three days and the newest warning, runs the scheduled
// updates from the periodic refresh query and starts the application when tapped.
// Created by the library's init entry, destroyed by the host's destroy message.

#include <string_view>

#include "platform/today/TodayItem.h"
#include "today/TodayFetch.h"
#include "today/TodayItemState.h"
#include "today/TodayPainter.h"
#include "today/TodayStore.h"
#include "today/TodayUpdater.h"

namespace today {

class TodayItemWindow final {
public:
    explicit TodayItemWindow(const tevalo_today_host& host);
    TodayItemWindow(const TodayItemWindow&) = delete;
    TodayItemWindow& operator=(const TodayItemWindow&) = delete;

    tevalo_today_item* handle() { return &handle_; }
    static TodayItemWindow* fromHandle(tevalo_today_item* item);

    intptr_t message(uint32_t message, uintptr_t wparam, intptr_t lparam);

private:
    static intptr_t procedure(tevalo_today_item* item, uint32_t message, uintptr_t wparam,
                              intptr_t lparam);

    void readClientRect();
    bool scheduleStep();  // true when the query is answered 0 at once
    intptr_t heightQuery(tevalo_today_item_desc* desc);
    void startApplication();
    void showMessage(std::u16string_view text, const char16_t* caption);

    struct Handle : tevalo_today_item {
        TodayItemWindow* owner;
    };

    Handle handle_;
    tevalo_today_host host_;
    TodayItemState state_;
    TodayStore store_;
    TodayFetch fetch_;
    TodayUpdater updater_;
    TodayPainter painter_;
};

}  // namespace today
