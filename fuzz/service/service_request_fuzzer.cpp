// Any bytes as a request target: parsed and answered like the server does, and
// read as a fault like the admin endpoint does. Nothing may crash, and a
// reply always has a body.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "service/Fault.h"
#include "service/ForecastService.h"
#include "service/RequestParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static service::ForecastService answers(service::CityTable::load(SERVICE_FUZZ_DATA));
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const service::ServiceRequest request = service::RequestParser::parse(bytes);
    // The first byte picks the moment, so dates near month and year ends are reached.
    const service::LocalTime now =
        service::addDays({2009, 12, 20, 9, 12, 0}, size > 0 ? data[0] % 40 : 0);
    if (answers.answer(request, now).body.empty()) std::abort();
    (void)service::Fault::parse(bytes);
    return 0;
}
