#include "store/CityListSchemas.h"

#include "store/Catalogue.h"

namespace store {

const TableSchema& citySchemaOf(CityList list) {
    switch (list) {
        case CityList::Weekly:
            return catalogue::usersAddWeeklyWeather();
        case CityList::OnDemand:
            return catalogue::usersAddWeatherDemand();
        case CityList::ThreeDay:
            break;
    }
    return catalogue::usersAddTeVoWeather();
}

const TableSchema& updateSchemaOf(CityList list) {
    switch (list) {
        case CityList::Weekly:
            return catalogue::cityUpdateDateWeekly();
        case CityList::OnDemand:
            return catalogue::cityUpdateDateDemand();
        case CityList::ThreeDay:
            break;
    }
    return catalogue::cityUpdateDateTeVoWeather();
}

}  // namespace store
