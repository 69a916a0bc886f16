#pragma once

// How long ago the service produced the stored data, shown after "最近更新：".

#include <string>
#include <string_view>

#include "platform/clock/Clock.h"

namespace weather {

// Compares the stamp ("2009-07-06 15:31:51") with `now` field by field: the
// first differing field of year, month, day, hour, minute decides ("2009",
// "1月前", "3天前", "3小时前", "5分钟前"); all equal is "0分钟前"; no stamp
// is "无更新记录". A stamp ahead of `now` (the service's clock runs ahead of
// the device's) also reads "0分钟前".
std::u16string updateAgeText(std::u16string_view stamp, const platform::LocalTime& now);

}  // namespace weather
