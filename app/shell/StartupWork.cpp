#include "app/shell/StartupWork.h"

#include <cstdio>

#include "platform/text/Utf.h"
#include "store/SettingStore.h"
#include "store/WarningStore.h"

namespace app {

bool StartupWork::readClientCode() {
    const auto code = store::SettingStore(context_.volumes()).clientCode();
    if (!code) return false;
    context_.values().clientCode = *code;
    return true;
}

bool StartupWork::setupNeeded() const {
    auto done = store::SettingStore(context_.volumes()).findById(store::kTodayCitySettingId);
    return !done || done->setFlag.empty();
}

void StartupWork::readBackgroundNumber() {
    auto setting = store::SettingStore(context_.volumes()).findById(store::kBackgroundSettingId);
    context_.values().backgroundNumber = setting ? platform::toInt(setting->longValue) : 1;
}

void StartupWork::countWarnings() {
    const auto& v = context_.volumes();
    context_.values().disasterWarningCount =
        store::WarningStore(v, store::WarningKind::Disaster).unreadCount().value_or(0);
    context_.values().fireWarningCount =
        store::WarningStore(v, store::WarningKind::Fire).unreadCount().value_or(0);
}

void StartupWork::readDateText() {
    context_.values().dateText = shortDate(platform::localTime());
}

std::u16string StartupWork::shortDate(const platform::LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d/%d/%d", t.year, t.month, t.day);
    return platform::fromUtf8(buf);
}

std::u16string StartupWork::timeOfDay(int hour, int minute, int second) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", hour, minute, second);
    return platform::fromUtf8(buf);
}

}  // namespace app
