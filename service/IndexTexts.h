#pragma once

// The three index texts of a forecast day (comfort, dressing, morning exercise)
// worded from its weather, temperatures and wind: one rule set for the
// generated days of the stand-in and the live days of the upstream.

#include "service/DayWeather.h"

namespace service {

// True for kinds that bring rain, snow or sleet.
bool isWetKind(int kind);

// Fills comfort, dressing and exercise of `day` from its other fields.
void wordIndexTexts(DayWeather& day);

}  // namespace service
