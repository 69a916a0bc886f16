#include "store/WarningStore.h"

#include <algorithm>

#include "store/Catalogue.h"
#include "store/TableAccessor.h"

namespace store {

namespace {

using Warnings = TableAccessor<WarningRecord>;

const TableSchema& schemaOf(WarningKind kind) {
    return kind == WarningKind::Fire ? catalogue::fireRemind() : catalogue::disasWeather();
}

}  // namespace

WarningStore::WarningStore(Volumes volumes, WarningKind kind)
    : volumes_(std::move(volumes)), kind_(kind) {}

std::optional<std::vector<WarningRecord>> WarningStore::list() const {
    return Warnings(volumes_, schemaOf(kind_)).list(catalogue::kWarningById);
}

std::optional<WarningRecord> WarningStore::findByTitle(std::u16string_view title) const {
    return Warnings(volumes_, schemaOf(kind_)).find(catalogue::kWarningByTitle, title);
}

bool WarningStore::add(const WarningRecord& warning) const {
    return Warnings(volumes_, schemaOf(kind_)).add(warning);
}

std::optional<int> WarningStore::storeWarnings(const std::vector<WarningRecord>& warnings,
                                               std::u16string_view updateTime,
                                               std::vector<std::u16string>* newTitles) const {
    const Warnings table(volumes_, schemaOf(kind_));
    VolumeSession session = table.session();
    std::vector<std::u16string> titles;
    for (WarningRecord warning : warnings) {
        warning.updateTime = updateTime;
        if (table.add(session, warning)) {
            titles.push_back(warning.title);
        } else if (platform::propdb::lastError() != platform::propdb::kErrorAlreadyExists) {
            return std::nullopt;  // nothing of this reply is kept
        }
    }
    if (!session.close()) return std::nullopt;
    const int stored = static_cast<int>(titles.size());
    if (newTitles) *newTitles = std::move(titles);
    return stored;
}

bool WarningStore::markOpened(std::u16string_view title) const {
    const Warnings table(volumes_, schemaOf(kind_));
    VolumeSession session = table.session();
    auto warning = table.find(session, catalogue::kWarningByTitle, title);
    if (!warning) return false;
    if (!warning->updateTime.empty()) {
        warning->updateTime.clear();
        warning->todayFlag = u"0";
        if (!table.update(session, catalogue::kWarningByTitle, title, *warning)) return false;
    }
    return session.close();
}

bool WarningStore::removeWarning(std::u16string_view title) const {
    const Warnings table(volumes_, schemaOf(kind_));
    VolumeSession session = table.session();
    auto warning = table.find(session, catalogue::kWarningByTitle, title);
    if (!warning) return false;
    warning->title.clear();
    warning->text.clear();
    warning->updateTime.clear();
    warning->todayFlag = u"0";
    return table.update(session, catalogue::kWarningByTitle, title, *warning) && session.close();
}

std::optional<int> WarningStore::unreadCount() const {
    auto warnings = list();
    if (!warnings) return std::nullopt;
    return static_cast<int>(std::count_if(warnings->begin(), warnings->end(),
                                          [](const auto& w) { return !w.updateTime.empty(); }));
}

int WarningStore::raisedUnreadCount(int current, int stored) {
    return std::min(current + std::max(stored, 0), kMaxUnread);
}

}  // namespace store
