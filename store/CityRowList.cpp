#include "store/CityRowList.h"

#include <algorithm>

namespace store {

const CityRow* CityRowList::find(std::u16string_view cityName) {
    const auto it = std::find_if(rows_.begin(), rows_.end(),
                                 [&](const CityRow& row) { return row.cityName == cityName; });
    found_ = it == rows_.end() ? -1 : it - rows_.begin();
    return found_ < 0 ? nullptr : &rows_[static_cast<std::size_t>(found_)];
}

bool CityRowList::moveFoundToFront() {
    if (found_ < 0 || static_cast<std::size_t>(found_) >= rows_.size()) return false;
    std::rotate(rows_.begin(), rows_.begin() + found_, rows_.begin() + found_ + 1);
    found_ = 0;
    return true;
}

bool CityRowList::moveToFront(std::u16string_view cityName) {
    return find(cityName) && moveFoundToFront();
}

void CityRowList::append(CityRow row) {
    rows_.push_back(std::move(row));
}

bool CityRowList::replace(std::u16string_view cityName, CityRow row) {
    if (!find(cityName)) return false;
    rows_[static_cast<std::size_t>(found_)] = std::move(row);
    return true;
}

bool CityRowList::remove(std::u16string_view cityName) {
    if (!find(cityName)) return false;
    rows_.erase(rows_.begin() + found_);
    found_ = -1;
    return true;
}

void CityRowList::clear() {
    rows_.clear();
    found_ = -1;
}

}  // namespace store
