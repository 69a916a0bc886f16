#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// One display row of a forecast list screen.
struct CityRow {
    std::u16string cityName;  // the key
    std::u16string iconFile;
    std::u16string firstLine;
    std::u16string secondLine;

    bool operator==(const CityRow&) const = default;
};

// The rows a forecast list screen shows, in display order.
class CityRowList final {
public:
    // Finds a row by exact name and remembers it for moveFoundToFront().
    const CityRow* find(std::u16string_view cityName);
    // Moves the row last found to the front; false when none was found.
    bool moveFoundToFront();
    bool moveToFront(std::u16string_view cityName);

    void append(CityRow row);
    bool replace(std::u16string_view cityName, CityRow row);
    bool remove(std::u16string_view cityName);
    void clear();

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const CityRow& operator[](std::size_t i) const { return rows_[i]; }
    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

private:
    std::vector<CityRow> rows_;
    std::ptrdiff_t found_ = -1;
};

inline constexpr char16_t kNewRowIcon[] = u"a.png";
inline constexpr char16_t kNewRowText[] = u"请更新查看";

}  // namespace store
