#include "app/forecast/ForecastSession.h"

namespace app {

ForecastSession& ForecastSession::instance() {
    static ForecastSession session;
    return session;
}

}  // namespace app
