#include "app/forecast/CityDetailScreen.h"

#include <QFontMetrics>
#include <thread>

#include "app/forecast/CityListModel.h"
#include "app/forecast/CityListScreen.h"
#include "app/forecast/ForecastFetch.h"
#include "app/forecast/ForecastSession.h"
#include "app/forecast/ScrollAction.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/text/Utf.h"
#include "platform/ui/Font.h"
#include "platform/ui/WindowRegistry.h"
#include "store/CityListStore.h"
#include "store/UpdateStampStore.h"
#include "weather/CodeTables.h"
#include "weather/DayRecord.h"
#include "weather/ForecastReply.h"
#include "weather/RequestPath.h"

namespace app {

namespace ui = platform::ui;
using ui::Rect;

namespace {

constexpr char16_t kSelectionBar[] = u"\\Program Files\\tevaloWeather\\tevalo\\tmd.png";
constexpr std::u16string_view kTabLabels[3] = {u"舒适指数", u"着装指数", u"晨练指数"};
constexpr ui::Color kDimLabel = ui::rgb(166, 166, 166);
constexpr int kTabTop = 189;
constexpr int kTabBottom = 214;
constexpr unsigned kRightLine = ui::DT_RIGHT | ui::DT_VCENTER | ui::DT_SINGLELINE;
// The temperature's characters are 16 pixels wide, so that "28/32" ends
// before the "℃" drawn after it; the city name's 15.
const ui::FontChoice kTemperatureFont{u"Arial", 40, true, 16};
constexpr int kNameWidth = 15;
constexpr unsigned kCentreLine = ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE;

ui::Picture weatherPicture(std::u16string_view name) {
    if (name.empty()) return {};
    return ui::Picture(std::u16string(weather::kWeatherPictureFolder) + std::u16string(name));
}

}  // namespace

CityDetailScreen::CityDetailScreen(std::u16string className, const ForecastListKind& kind,
                                   AppContext& context, std::u16string cityName,
                                   ui::CDialog* parent)
    : ShellScreen(std::move(className), context, parent),
      kind_(kind),
      cityName_(std::move(cityName)),
      scroll_(kind.detailSpan) {
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setRange(0, DetailScroll::kRange);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::actionTriggered, this,
            [this](int action) { onScrollAction(action); });
}

CityDetailScreen::~CityDetailScreen() = default;

bool CityDetailScreen::OnInitDialog() {
    SetWindowText(cityName_);
    SetSoftKeys(Menu());
    MakeFullScreen();
    if (!selectionBar_.load(kSelectionBar)) platform::messageBox(owner(), u"加载天气图标失败");
    const QFontMetrics metrics(ui::Font::toQFont(ui::defaultFont()));
    degreeWidth_ = metrics.horizontalAdvance(QStringLiteral("℃"));
    degreeHeight_ = metrics.height();
    loadValues();
    resetScroll();
    return true;
}

void CityDetailScreen::OnDestroy() {
    selectionBar_.reset();
}

platform::WindowHandle CityDetailScreen::owner() {
    return static_cast<QWidget*>(this);
}

void CityDetailScreen::loadValues() {
    const store::UpdateStampStore stamps(Context().volumes(), storeList(kind_.list));
    const auto record = stamps.findByName(cityName_);
    sample_ = !record.has_value();
    if (record) {
        std::copy(record->days.begin(), record->days.end(), days_.begin());
        stamp_ = stamps.stamp().value_or(u"");
    } else {
        for (std::size_t i = 0; i < days_.size(); ++i) days_[i] = kind_.sampleDays[i];
        stamp_ = kind_.sampleStamp;
    }
}

void CityDetailScreen::OnSize(int kind, int cx, int cy) {
    CDialog::OnSize(kind, cx, cy);
    resetScroll();
}

void CityDetailScreen::resetScroll() {
    scroll_.resize(GetClientRect().height());
    const Rect client = GetClientRect();
    scrollBar_->setGeometry(client.width() - 13, TopMargin(), 13,
                            client.height() - 3 * TopMargin());
    scrollBar_->setPageStep(scroll_.page());
    scrollBar_->setValue(0);
    scrollBar_->setVisible(scroll_.barShown());
    repositioned_ = false;
    Invalidate();
}

void CityDetailScreen::onScrollAction(int action) {
    if (!applyScrollAction(scroll_, action, scrollBar_->sliderPosition())) return;
    scrollBar_->setSliderPosition(scroll_.position());
    Invalidate();
}

void CityDetailScreen::OnPaint(ui::Canvas& canvas) {
    const Rect client = GetClientRect();
    if (!repositioned_) {
        // After a size change the main menu takes the whole display again.
        repositioned_ = true;
        if (auto* menu = ui::WindowRegistry::FindWindow(u"", u"晴雨匣")) {
            ui::WindowRegistry::SendMessage(menu, ui::DM_REPOSITION, 0, 0);
        }
    }
    if (cityName_.empty()) {
        canvas.fillRect(client, BackgroundColor());
        canvas.drawText(u"读取城市数据失败！", Rect{50, 50, client.width(), 70},
                        ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOCLIP,
                        ui::defaultFont(), ui::kWhite);
        return;
    }
    const int width = client.width() - (scroll_.barShown() ? 13 : 0);
    ui::Surface picture(client.width(), client.height() + kind_.detailSpan, BackgroundColor());
    {
        ui::Canvas offscreen = picture.canvas();
        paintPicture(offscreen, width);
        paintRows(offscreen, width);
    }
    canvas.copyFrom(picture, client, 0, scroll_.offset());
    if (!stripText_.empty()) {
        const int top = TopMargin();
        const Rect strip{0, client.height() - 2 * top, client.width(), client.height() - top};
        canvas.fillRect(strip, ui::kWhite);
        canvas.drawText(stripText_, Rect{20, strip.top + 10, client.width(), strip.top + 30},
                        ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOCLIP,
                        ui::defaultFont(), ui::kBlack);
    }
}

void CityDetailScreen::paintPicture(ui::Canvas& canvas, int width) const {
    const auto font = ui::defaultFont();
    const weather::DayRecord today(days_[0]);
    canvas.fillRect(Rect{0, 80, width, 120}, Colors().band);
    canvas.drawPicture(weatherPicture(today.weatherPicture()), Rect{10, 50, 110, 150});

    const std::u16string temperature = today.detailTemperature(true);
    const int characters = static_cast<int>(temperature.size());
    const int x = width - 30 - degreeWidth_ * 3 / 2 - 16 * (characters + 1);
    canvas.drawText(temperature, Rect{x, 15, width, 60},
                    ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOCLIP, kTemperatureFont,
                    ui::kWhite);
    if (today.hasDetailTemperature()) {
        const int y = 55 - degreeHeight_ * 3 / 2;
        canvas.drawText(u"℃", Rect{width - 30 - degreeWidth_, y, width, y + degreeHeight_},
                        ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOCLIP, font,
                        ui::kWhite);
    }

    const auto wind = today.windDirectionPicture();
    if (!wind.empty()) {
        canvas.drawPicture(
            ui::Picture(std::u16string(weather::kWindPictureFolder) + std::u16string(wind)),
            Rect{width / 2, 85, width / 2 + 30, 115});
    }
    const int right = width - 20;
    canvas.drawText(today.dateText(weather::stampYear(stamp_)), Rect{0, 60, right, 80}, kRightLine,
                    font, ui::kWhite);
    canvas.drawText(today.windDirectionText(), Rect{0, 80, right, 100}, kRightLine, font,
                    ui::kWhite);
    canvas.drawText(today.windForceText(), Rect{0, 100, right, 120}, kRightLine, font, ui::kWhite);
    canvas.drawText(cityName_, Rect{0, 120, right, 150}, kRightLine,
                    ui::FontChoice{std::u16string(kind_.detailNameFace), 30, true, kNameWidth},
                    ui::kWhite);
    canvas.drawText(today.weatherText(), Rect{0, 150, right, 170}, kRightLine, font, ui::kWhite);
    canvas.drawText(u"雨量" + std::u16string(today.rainfall()) + u"毫米", Rect{0, 170, right, 190},
                    kRightLine, font, ui::kWhite);

    const int third = width / 3;
    for (int t = 0; t < 3; ++t) {
        const Rect cell{third * t, kTabTop, third * (t + 1), kTabBottom};
        canvas.drawPicture(selectionBar_, cell);
        canvas.drawText(kTabLabels[t], cell, kCentreLine, font, t == tab_ ? ui::kWhite : kDimLabel);
    }
    const std::u16string_view index = tab_ == 0   ? today.comfortIndex()
                                      : tab_ == 1 ? today.dressingIndex()
                                                  : today.exerciseIndex();
    canvas.drawText(index, Rect{0, 216, width, 241}, kCentreLine, font, ui::kWhite);
}

void CityDetailScreen::paintRows(ui::Canvas& canvas, int width) const {
    const auto font = ui::defaultFont();
    const int third = width / 3;
    for (int k = 0; k < kind_.detailRows; ++k) {
        const weather::DayRecord day(days_[static_cast<std::size_t>(k + 1)]);
        // The three-day rows sit 39 pixels apart, the weekly ones 40.
        const int top = kind_.detailRows == 2 ? 250 + 39 * k : 250 + 40 * k;
        const int left = (third - 30) / 2;
        const int kind = platform::toInt(day.main(2));
        canvas.drawPicture(weatherPicture(weather::weatherKindPicture(kind)),
                           Rect{left, top, left + 30, top + 30});
        canvas.drawText(day.main(1), Rect{third, top, third * 2, top + 30}, kCentreLine, font,
                        ui::kWhite);
        canvas.drawText(day.detailTemperature(false), Rect{third * 2, top, width - 20, top + 30},
                        kRightLine, font, ui::kWhite);
    }
}

int CityDetailScreen::tabAt(int x) const {
    const int third = std::max(GetClientRect().width() / 3, 1);
    return std::clamp(x / third, 0, 2);
}

void CityDetailScreen::OnKeyDown(int vk) {
    if (vk == ui::VK_LEFT) {
        tab_ = (tab_ + 2) % 3;
        Invalidate();
    } else if (vk == ui::VK_RIGHT) {
        tab_ = (tab_ + 1) % 3;
        Invalidate();
    }
}

void CityDetailScreen::OnLButtonDown(int x, int y) {
    const int pictureY = y + scroll_.offset();
    penTab_.reset();
    if (pictureY >= kTabTop && pictureY < kTabBottom) penTab_ = tabAt(x);
}

void CityDetailScreen::OnLButtonUp(int x, int y) {
    const int pictureY = y + scroll_.offset();
    const auto pressed = penTab_;
    penTab_.reset();
    if (!pressed || pictureY < kTabTop || pictureY >= kTabBottom || tabAt(x) != *pressed) return;
    tab_ = *pressed;
    Invalidate();
}

void CityDetailScreen::OnCommand(int id) {
    const auto menu = Menu();
    if (id == menu.left.id) {
        EndDialog(platform::IDCANCEL);
    } else if (id != 0 && id == menu.right.id) {
        UpdateCity();
    }
}

void CityDetailScreen::writeStrip(std::u16string text) {
    stripHistory_.push_back(text);
    stripText_ = std::move(text);
    PaintNow();
    repaint();
}

void CityDetailScreen::UpdateCity() {
    stripHistory_.clear();
    writeStrip(u"连接服务器获取数据");
    const store::CityListStore cities(Context().volumes(), storeList(kind_.list));
    const auto city = cities.findByName(cityName_);
    if (!city) {
        writeStrip(u"获取数据失败");
    } else {
        const std::vector<std::u16string> codes{city->cityCode};
        const auto path = kind_.list == ForecastList::Weekly
                              ? weather::weeklyForecastPath(codes, Context().values().clientCode)
                              : weather::threeDayForecastPath(codes, Context().values().clientCode);
        if (const auto reply = ForecastFetch::inSteps(Context().http(), owner(), path, 1)) {
            const store::UpdateStampStore stamps(Context().volumes(), storeList(kind_.list));
            stamps.storeSingleCityReply(*reply, *city);
        }
        writeStrip(u"正在更新数据：" + cityName_);
        loadValues();
        Invalidate();
    }
    std::this_thread::sleep_for(ForecastSession::instance().storePause);
    stripText_.clear();
    PaintNow();
    repaint();
    if (auto* list = ui::WindowRegistry::FindWindow(u"", kind_.caption)) {
        ui::WindowRegistry::SendMessage(list, CityListScreen::kReloadCities, 1, 0);
    }
}

}  // namespace app
