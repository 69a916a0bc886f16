#pragma once

// The service sends numbers for weather kinds, wind directions and wind
// forces; these tables give their display texts and picture names. A code
// outside its table gives an empty text and an empty picture name.

#include <string>
#include <string_view>

namespace weather {

// Picture folders on the device; the picture names below are appended to them.
inline constexpr std::u16string_view kWeatherPictureFolder =
    u"\\Program Files\\tevaloWeather\\tevalo\\Weather icon\\";
inline constexpr std::u16string_view kWindPictureFolder =
    u"\\Program Files\\tevaloWeather\\tevalo\\Wind direction icon\\";

// Drawn, from the weather folder, for a city that has no forecast yet.
inline constexpr std::u16string_view kPlaceholderPicture = u"a.png";

std::u16string_view weatherKindText(int code);
std::u16string_view weatherKindPicture(int code);

std::u16string_view windDirectionText(int code);
std::u16string_view windDirectionPicture(int code);

std::u16string_view windForceText(int code);

// " 星期" (with its leading blank) and the day: index 0 is Monday, 6 Sunday.
// Empty outside 0-6.
std::u16string weekdayText(int index);

// A field with one kind code gives its text (an empty field is code 0, "晴");
// "a-b" gives the text of a, "转" and the text of b.
std::u16string weatherPhrase(std::u16string_view field);

}  // namespace weather
