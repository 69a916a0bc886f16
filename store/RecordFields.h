#pragma once

// Maps each record structure to its fields in property order, so one accessor
// serves every table.

#include <array>
#include <string>
#include <vector>

#include "store/CityUpdateRecord.h"
#include "store/RegionRecord.h"
#include "store/ReportRecord.h"
#include "store/SettingRecord.h"
#include "store/SystemCityRecord.h"
#include "store/UserCityRecord.h"
#include "store/WarningRecord.h"

namespace store {

template <class R>
struct RecordFields;

template <>
struct RecordFields<UserCityRecord> {
    static std::vector<std::u16string*> of(UserCityRecord& r) {
        return {&r.cityId, &r.cityCode,    &r.cityName, &r.parentId,
                &r.level,  &r.defaultFlag, &r.todayFlag};
    }
};

template <>
struct RecordFields<CityUpdateRecord> {
    static std::vector<std::u16string*> of(CityUpdateRecord& r) {
        std::vector<std::u16string*> fields{&r.cityId, &r.cityName};
        for (auto& day : r.days) fields.push_back(&day);
        return fields;
    }
};

template <>
struct RecordFields<SystemCityRecord> {
    static std::vector<std::u16string*> of(SystemCityRecord& r) {
        return {&r.cityId, &r.initials, &r.cityName, &r.cityCode};
    }
};

template <>
struct RecordFields<RegionRecord> {
    static std::vector<std::u16string*> of(RegionRecord& r) {
        return {&r.cityId, &r.cityCode, &r.cityName, &r.parentId, &r.level};
    }
};

template <>
struct RecordFields<WarningRecord> {
    static std::vector<std::u16string*> of(WarningRecord& r) {
        return {&r.id, &r.title, &r.text, &r.updateTime, &r.todayFlag};
    }
};

template <>
struct RecordFields<ReportRecord> {
    static std::vector<std::u16string*> of(ReportRecord& r) {
        return {&r.id, &r.title, &r.text, &r.updateTime};
    }
};

template <>
struct RecordFields<SettingRecord> {
    static std::vector<std::u16string*> of(SettingRecord& r) {
        return {&r.settingId, &r.settingName, &r.setFlag, &r.value, &r.longValue};
    }
};

}  // namespace store
