#include "app/forecast/ScenicChooser.h"

#include "app/forecast/CityListModel.h"
#include "app/forecast/CityListScreen.h"
#include "app/forecast/ForecastSession.h"
#include "platform/propdb/PropDb.h"
#include "platform/ui/WindowRegistry.h"
#include "store/CityListStore.h"
#include "store/RegionStore.h"

namespace app {

namespace ui = platform::ui;

namespace {

constexpr char16_t kNoData[] = u"无数据";

}  // namespace

ScenicChooser::ScenicChooser(std::u16string className, const ForecastListKind& kind, Ids ids,
                             store::RegionRecord province, AppContext& context, ui::CDialog* parent)
    : RegionChooser(std::move(className), kind, ids, context, parent),
      province_(std::move(province)) {}

std::vector<std::u16string> ScenicChooser::Offer(const std::vector<store::RegionRecord>& tree) {
    const auto& level = ForecastSession::instance().wantedLevel;
    std::vector<std::u16string> names;
    for (const auto& record : tree) {
        if (record.parentId == province_.cityId && record.level == level) {
            names.push_back(record.cityName);
        }
    }
    if (names.empty()) names.emplace_back(kNoData);
    return names;
}

void ScenicChooser::Chosen(const store::RegionRecord& record) {
    auto city = store::toUserCity(record);
    city.defaultFlag = u"0";
    if (kind().list == ForecastList::Weekly) {
        // The weekly list keeps where the spot sits in the tree.
        city.parentId = record.parentId;
        city.level = record.level;
    } else {
        city.todayFlag = u"0";
    }
    const store::CityListStore list(Context().volumes(), storeList(kind().list));
    if (!list.add(city)) {
        if (platform::propdb::lastError() == platform::propdb::kErrorAlreadyExists) {
            Prompt(u"城市已经添加！");
        } else {
            ReportStoreFailure();
        }
        return;
    }
    auto* screen = ui::WindowRegistry::FindWindow(u"", kind().caption);
    if (Prompt(u"添加成功，是否马上更新？", platform::MB_YESNO) == platform::IDYES) {
        EndDialog(platform::IDOK);
        if (screen) ui::WindowRegistry::SendMessage(screen, CityListScreen::kReloadCities, 1, 0);
    } else if (screen) {
        ui::WindowRegistry::SendMessage(screen, CityListScreen::kReloadCities, 0, 0);
    }
}

}  // namespace app
