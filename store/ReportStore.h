#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/ReportRecord.h"
#include "store/Volumes.h"

namespace store {

// WeatherXuenBao, WeatherYueBao, WeatherJiBao
enum class ReportKind { TenDay, Monthly, Quarterly };

// The periodic reports of RainfallCityDatabase.vol.
class ReportStore final {
public:
    ReportStore(Volumes volumes, ReportKind kind);

    // All reports, greatest title first.
    std::optional<std::vector<ReportRecord>> list() const;
    std::optional<ReportRecord> findByTitle(std::u16string_view title) const;
    // Writes a new record or rewrites the one with the same ID.
    bool addOrReplace(const ReportRecord& report) const;
    bool updateById(std::u16string_view id, const ReportRecord& report) const;
    bool removeByTitle(std::u16string_view title) const;

private:
    Volumes volumes_;
    ReportKind kind_;
};

}  // namespace store
