#pragma once

// Every table of the store with its properties, widths and sort orders. The
// order indices below are what accessors are opened with.

#include "store/TableSchema.h"

namespace store::catalogue {

const TableSchema& userInformation();
inline constexpr unsigned kSettingByName = 0;
inline constexpr unsigned kSettingById = 1;

const TableSchema& cityRecord();
inline constexpr unsigned kRegionById = 0;
inline constexpr unsigned kRegionByName = 1;

const TableSchema& usersAddTeVoWeather();
inline constexpr unsigned kThreeDayByToday = 0;
inline constexpr unsigned kThreeDayByName = 1;
inline constexpr unsigned kThreeDayByDefault = 2;

// UsersAddWeatherDemand and UsersAddWeeklyWeather share their orders.
const TableSchema& usersAddWeatherDemand();
const TableSchema& usersAddWeeklyWeather();
inline constexpr unsigned kCityListById = 0;
inline constexpr unsigned kCityListByName = 1;
inline constexpr unsigned kCityListByDefault = 2;

const TableSchema& cityUpdateDateTeVoWeather();
const TableSchema& cityUpdateDateDemand();
const TableSchema& cityUpdateDateWeekly();
inline constexpr unsigned kUpdateById = 0;
inline constexpr unsigned kUpdateByName = 1;

const TableSchema& disasWeather();
const TableSchema& fireRemind();
inline constexpr unsigned kWarningById = 0;
inline constexpr unsigned kWarningByTitle = 1;
inline constexpr unsigned kWarningByTime = 2;

const TableSchema& weatherXuenBao();
const TableSchema& weatherYueBao();
const TableSchema& weatherJiBao();
inline constexpr unsigned kReportById = 0;
inline constexpr unsigned kReportByTitle = 1;
inline constexpr unsigned kReportByTime = 2;

const TableSchema& systemCityTable();
inline constexpr unsigned kSystemCityById = 0;
inline constexpr unsigned kSystemCityByName = 1;
inline constexpr unsigned kSystemCityByInitials = 2;

}  // namespace store::catalogue
