#include "store/Catalogue.h"

namespace store::catalogue {

namespace {

using platform::propdb::propertyId;
using platform::propdb::SortFlag;
using platform::propdb::SortOrder;

SortOrder order(unsigned property, bool unique, SortFlag flag) {
    return {propertyId(property), unique, flag};
}

constexpr bool kUnique = true;
constexpr bool kShared = false;
constexpr auto kDesc = SortFlag::Descending;
constexpr auto kNonNull = SortFlag::NonNull;

const std::vector<FieldSchema> kCityListFields{
    {u"城市ID", 7},   {u"城市键值", 15},       {u"城市名", 20},       {u"城市上级ID", 7},
    {u"城市等级", 4}, {u"是否是默认城市", 12}, {u"是否桌面显示", 12},
};

const std::vector<FieldSchema> kUpdateFields{
    {u"更新信息城市ID", 15},  {u"更新信息城市名", 20},  {u"更新信息第一天", 100},
    {u"更新信息第二天", 100}, {u"更新信息第三天", 100}, {u"更新信息第四天", 100},
    {u"更新信息第五天", 100}, {u"更新信息第六天", 100}, {u"更新信息第七天", 100},
};

const std::vector<SortOrder> kUpdateOrders{order(1, kShared, kDesc), order(2, kUnique, kDesc)};

// Both warning tables and the three report tables share their orders.
const std::vector<SortOrder> kMessageOrders{order(1, kUnique, kDesc), order(2, kShared, kDesc),
                                            order(4, kShared, kDesc)};

std::vector<FieldSchema> warningFields(std::u16string_view id, std::u16string_view title,
                                       std::u16string_view text, std::u16string_view time) {
    return {{id, 7}, {title, 100}, {text, 1000}, {time, 30}, {u"桌面显示", 4}};
}

const std::vector<FieldSchema> kReportFields{
    {u"天气旬报ID", 7},
    {u"天气旬报信息头", 100},
    {u"天气旬报信息", 1500},
    {u"天气旬报更新时间", 30},
};

TableSchema cityList(std::u16string_view name, std::vector<SortOrder> orders) {
    return {name, VolumeKind::City, kCityListFields, std::move(orders)};
}

TableSchema report(std::u16string_view name) {
    return {name, VolumeKind::Rainfall, kReportFields, kMessageOrders};
}

}  // namespace

const TableSchema& userInformation() {
    static const TableSchema schema{u"UserInformation",
                                    VolumeKind::City,
                                    {{u"用户设置ID", 7},
                                     {u"用户设置名", 20},
                                     {u"用户设置标志", 4},
                                     {u"用户设置值", 25},
                                     {u"用户设置长值", 25}},
                                    {order(2, kUnique, kDesc), order(1, kShared, kDesc)}};
    return schema;
}

const TableSchema& cityRecord() {
    static const TableSchema schema{
        u"CityRecord",
        VolumeKind::City,
        {{u"城市ID", 7}, {u"城市键值", 10}, {u"城市名", 20}, {u"城市上级ID", 7}, {u"城市等级", 4}},
        {order(1, kUnique, kDesc), order(3, kShared, kDesc)}};
    return schema;
}

const TableSchema& usersAddTeVoWeather() {
    static const TableSchema schema =
        cityList(u"UsersAddTeVoWeather",
                 {order(7, kShared, kDesc), order(3, kUnique, kNonNull), order(6, kShared, kDesc)});
    return schema;
}

const TableSchema& usersAddWeatherDemand() {
    static const TableSchema schema =
        cityList(u"UsersAddWeatherDemand",
                 {order(1, kUnique, kDesc), order(3, kShared, kNonNull), order(6, kShared, kDesc)});
    return schema;
}

const TableSchema& usersAddWeeklyWeather() {
    static const TableSchema schema =
        cityList(u"UsersAddWeeklyWeather",
                 {order(1, kUnique, kDesc), order(3, kShared, kNonNull), order(6, kShared, kDesc)});
    return schema;
}

const TableSchema& cityUpdateDateTeVoWeather() {
    static const TableSchema schema{u"CityUpdateDateTeVoWeather", VolumeKind::City, kUpdateFields,
                                    kUpdateOrders};
    return schema;
}

const TableSchema& cityUpdateDateDemand() {
    static const TableSchema schema{u"CityUpdateDateDemand", VolumeKind::City, kUpdateFields,
                                    kUpdateOrders};
    return schema;
}

const TableSchema& cityUpdateDateWeekly() {
    static const TableSchema schema{u"CityUpdateDateWeekly", VolumeKind::City, kUpdateFields,
                                    kUpdateOrders};
    return schema;
}

const TableSchema& disasWeather() {
    static const TableSchema schema{u"DisasWeather", VolumeKind::City,
                                    warningFields(u"灾害性天气ID", u"灾害性天气信息头",
                                                  u"灾害性天气信息", u"灾害性天气更新时间"),
                                    kMessageOrders};
    return schema;
}

const TableSchema& fireRemind() {
    static const TableSchema schema{
        u"FireRemind", VolumeKind::City,
        warningFields(u"消防提醒ID", u"消防提醒头", u"消防提醒信息", u"消防提醒更新时间"),
        kMessageOrders};
    return schema;
}

const TableSchema& weatherXuenBao() {
    static const TableSchema schema = report(u"WeatherXuenBao");
    return schema;
}

const TableSchema& weatherYueBao() {
    static const TableSchema schema = report(u"WeatherYueBao");
    return schema;
}

const TableSchema& weatherJiBao() {
    static const TableSchema schema = report(u"WeatherJiBao");
    return schema;
}

const TableSchema& systemCityTable() {
    static const TableSchema schema{
        u"SystemCityTable",
        VolumeKind::SystemCity,
        {{u"城市ID", 7}, {u"城市简拼", 20}, {u"城市名", 20}, {u"城市键值", 15}},
        {order(1, kUnique, kNonNull), order(3, kShared, kNonNull), order(2, kShared, kNonNull)}};
    return schema;
}

}  // namespace store::catalogue
