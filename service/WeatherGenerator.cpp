#include "service/WeatherGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <span>

#include "service/IndexTexts.h"
#include "service/Random.h"
#include "weather/ReplySyntax.h"

namespace service {

namespace {

constexpr char kField = static_cast<char>(weather::kFieldSeparator);
constexpr char kDay = static_cast<char>(weather::kDaySeparator);

struct Weighted {
    int kind;
    int weight;
};

int pickKind(Random& random, std::span<const Weighted> table) {
    int total = 0;
    for (const Weighted& w : table) total += w.weight;
    int roll = random.between(0, total - 1);
    for (const Weighted& w : table) {
        if (roll < w.weight) return w.kind;
        roll -= w.weight;
    }
    return table.front().kind;
}

constexpr std::array<Weighted, 3> kDry{{{0, 45}, {1, 40}, {2, 15}}};
constexpr std::array<Weighted, 12> kSummerRain{{{3, 22},
                                                {4, 18},
                                                {7, 20},
                                                {8, 12},
                                                {9, 7},
                                                {10, 4},
                                                {21, 7},
                                                {22, 4},
                                                {5, 1},
                                                {11, 2},
                                                {23, 2},
                                                {24, 1}}};
constexpr std::array<Weighted, 4> kColdRain{{{7, 55}, {3, 25}, {8, 15}, {21, 5}}};
constexpr std::array<Weighted, 7> kSnow{
    {{14, 40}, {13, 20}, {15, 15}, {16, 8}, {17, 3}, {26, 8}, {27, 6}}};
constexpr std::array<Weighted, 3> kMixed{{{6, 70}, {19, 15}, {14, 15}}};
constexpr std::array<Weighted, 4> kDust{{{29, 40}, {30, 35}, {20, 20}, {31, 5}}};

// Millimetres of rain (water of snow) a kind brings over a day.
struct Rainfall {
    int kind;
    int low;
    int high;
};

constexpr std::array<Rainfall, 23> kRainfall{
    {{3, 1, 10},   {4, 5, 25},   {5, 10, 40},   {6, 1, 8},      {19, 1, 8},     {7, 1, 9},
     {8, 10, 24},  {9, 25, 49},  {10, 50, 99},  {11, 100, 249}, {12, 250, 320}, {21, 5, 16},
     {22, 17, 38}, {23, 38, 75}, {24, 75, 150}, {13, 0, 2},     {14, 0, 2},     {15, 2, 5},
     {26, 2, 5},   {16, 5, 10},  {27, 5, 10},   {17, 10, 20},   {28, 10, 20}}};

int rainfallOf(Random& random, int kind) {
    for (const Rainfall& r : kRainfall)
        if (r.kind == kind) return random.between(r.low, r.high);
    return 0;
}

std::string rainfallText(double mm) {
    char text[32];
    const double tenths = std::round(mm * 10.0);
    if (std::fmod(tenths, 10.0) == 0.0)
        std::snprintf(text, sizeof text, "%.0f", tenths / 10.0);
    else
        std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

}  // namespace

DayWeather WeatherGenerator::day(const City& city, const LocalTime& date) {
    Random random(Random::seedOf(city.code, dayNumber(date)));
    DayWeather out;
    out.month = date.month;
    out.day = date.day;

    // Coldest in mid-January, warmest in mid-July; the north has colder winters
    // and a wider swing through the year.
    const double north = std::max(0.0, city.latitude - 20.0);
    const double season =
        -std::cos(2.0 * std::numbers::pi * (dayOfYear(date) - 15) / 365.25);  // -1 .. 1
    const double mean = 25.0 - 0.75 * north - city.altitudeCooling + (5.0 + 0.6 * north) * season;
    const double dayMean = mean + random.between(-30, 30) / 10.0;
    const int range = random.between(5, 10) + (city.latitude > 35.0 ? 2 : 0);
    out.low = static_cast<int>(std::lround(dayMean - range / 2.0));
    out.high = out.low + range;

    const bool summer = season > 0.3;
    const bool spring = dayOfYear(date) >= 60 && dayOfYear(date) <= 140;
    const int wetChance = 22 + static_cast<int>(season * 12.0) + (city.latitude < 30.0 ? 8 : 0);
    if (random.chance(wetChance)) {
        if (out.high <= 1)
            out.kindFirst = pickKind(random, kSnow);
        else if (out.low <= 0)
            out.kindFirst = pickKind(random, kMixed);
        else
            out.kindFirst = summer ? pickKind(random, kSummerRain) : pickKind(random, kColdRain);
    } else if (spring && city.latitude > 35.0 && random.chance(12)) {
        out.kindFirst = pickKind(random, kDust);
    } else if (!summer && random.chance(6)) {
        out.kindFirst = 18;
    } else {
        out.kindFirst = pickKind(random, kDry);
    }
    out.kindThen = out.kindFirst;
    if (random.chance(35)) {
        // Rain clears to clouds; fair weather clouds over or turns showery.
        if (isWetKind(out.kindFirst))
            out.kindThen = random.chance(60) ? 1 : 2;
        else if (out.kindFirst <= 2)
            out.kindThen = out.high <= 1 ? 14 : (summer ? 3 : (out.kindFirst == 0 ? 1 : 7));
    }

    out.windDirection =
        static_cast<int>(random.pick(std::array{10, 12, 10, 10, 10, 10, 8, 12, 14, 4}));
    out.windForce = static_cast<int>(random.pick(std::array{45, 28, 14, 7, 3, 2, 1, 0, 0, 0}));
    out.rainfallMm = std::max(rainfallOf(random, out.kindFirst), rainfallOf(random, out.kindThen));
    wordIndexTexts(out);
    return out;
}

std::string WeatherGenerator::dayRecord(const DayWeather& d, std::string_view tag, bool full) {
    char main[96];
    std::snprintf(main, sizeof main, "%c%02d/%02d%c%d%c%d%c%d%c%d%c%d%c%d%c", kField, d.month,
                  d.day, kField, d.kindFirst, kField, d.kindThen, kField, d.low, kField, d.high,
                  kField, d.windDirection, kField, d.windForce, kDay);
    std::string record;
    record.reserve(full ? 160 : 48);
    record += tag;
    record += main;
    if (full) {
        record += d.comfort;
        record += kField;
        record += d.dressing;
        record += kField;
        record += d.exercise;
        record += kField;
        record += rainfallText(d.rainfallMm);
    } else {
        record += kField;
        record += kField;
    }
    return record;
}

}  // namespace service
