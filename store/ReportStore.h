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
    [[nodiscard]] std::optional<std::vector<ReportRecord>> list() const;
    [[nodiscard]] std::optional<ReportRecord> findByTitle(std::u16string_view title) const;
    // Writes each report as a new record or over the one with the same ID, in
    // one mount: all of them or, on failure, none.
    [[nodiscard]] bool addOrReplaceAll(const std::vector<ReportRecord>& reports) const;
    [[nodiscard]] bool updateById(std::u16string_view id, const ReportRecord& report) const;
    [[nodiscard]] bool removeByTitle(std::u16string_view title) const;

private:
    Volumes volumes_;
    ReportKind kind_;
};

}  // namespace store
