#pragma once

// The texts the item shows for the desktop city: its name and, for each of the three
// days, the date, the weather picture file name and the temperature.

#include <array>
#include <optional>
#include <string>

namespace today {

struct TodayDay {
    std::u16string date;
    std::u16string picture;  // bare file name in the weather picture folder
    std::u16string temperature;
};

class TodayDisplay final {
public:
    // Day records shown for a desktop city that has no stored forecast yet.
    static const std::array<std::u16string, 3>& placeholderDays();

    void clear();
    // Takes the city name and the texts of its first three day records (the
    // placeholders when `days` is empty). An empty name loads nothing.
    void loadCity(const std::u16string& name,
                  const std::optional<std::array<std::u16string, 3>>& days);

    const std::u16string& cityName() const { return cityName_; }
    void setCityName(std::u16string name) { cityName_ = std::move(name); }
    const TodayDay& day(int n) const { return days_[n]; }

private:
    void loadDay(int n, const std::u16string& record);

    std::u16string cityName_;
    std::array<TodayDay, 3> days_;
};

}  // namespace today
