#pragma once

// The messages handed to the composer: the forward of a city's stored
// forecast, the recommendation and the feedback message.

#include <array>
#include <string>
#include <string_view>

#include "platform/shell/ComposerMessage.h"

namespace app {

class ForwardText final {
public:
    // Today's, tomorrow's and the day after's stored day records of one city.
    using ThreeDays = std::array<std::u16string, 3>;

    // The city's name followed by one line per day ("\n今天：", "\n明天：",
    // "\n后天："); without stored days every line reads "未知".
    static std::u16string forecast(std::u16string_view cityName, const ThreeDays* days);

    // One line of the forward: the weather phrase of the record's kind code,
    // then "转" and the following kind when it is given and different;
    // "未知" for a day without a record.
    static std::u16string dayLine(std::u16string_view dayRecord);

    // A forward: no recipient, the fixed body, the text as the message.
    static platform::ComposerMessage forward(std::u16string_view text);
    static platform::ComposerMessage recommend(std::u16string_view wapSite);
    static platform::ComposerMessage feedback(std::u16string_view number);
};

}  // namespace app
