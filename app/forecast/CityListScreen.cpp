#include "app/forecast/CityListScreen.h"

#include <QTimer>
#include <thread>

#include "app/forecast/DemandReplyStore.h"
#include "app/forecast/ForecastFetch.h"
#include "app/forecast/ForecastSession.h"
#include "app/forecast/ProgressThread.h"
#include "app/forecast/ScrollAction.h"
#include "app/settings/ForwardText.h"
#include "platform/clock/Clock.h"
#include "platform/msgbox/MessageBox.h"
#include "weather/ForecastReply.h"
#include "weather/RequestPath.h"
#include "weather/UpdateAge.h"

namespace app {

namespace ui = platform::ui;

namespace {

constexpr char16_t kSelectionBar[] = u"\\Program Files\\tevaloWeather\\tevalo\\tmd.png";
constexpr char16_t kTurnMutexName[] = u"TEVALO_FOR_DEMO_SYNC";
constexpr std::chrono::milliseconds kTurnPause{30};

std::vector<std::u16string> codesOf(const std::vector<store::UserCityRecord>& cities) {
    std::vector<std::u16string> codes;
    for (const auto& city : cities) codes.push_back(city.cityCode);
    return codes;
}

std::u16string listPath(const ForecastListKind& kind, const std::vector<std::u16string>& codes,
                        std::u16string_view clientCode) {
    return kind.list == ForecastList::Weekly ? weather::weeklyForecastPath(codes, clientCode)
                                             : weather::threeDayForecastPath(codes, clientCode);
}

store::CityUpdateRecord toRecord(const weather::CityForecast& forecast) {
    store::CityUpdateRecord record;
    record.cityId = forecast.code;
    record.cityName = forecast.name;
    std::copy(forecast.days.begin(), forecast.days.end(), record.days.begin());
    return record;
}

store::CityUpdateRecord stampRecord(const std::u16string& stamp) {
    store::CityUpdateRecord record;
    record.cityId = store::kStampCityId;
    record.cityName = store::kStampCityName;
    record.days[0] = stamp;
    return record;
}

}  // namespace

CityListScreen::CityListScreen(std::u16string className, const ForecastListKind& kind,
                               AppContext& context, ui::CDialog* parent)
    : ShellScreen(std::move(className), context, parent),
      kind_(kind),
      model_(kind, context.volumes()) {
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setRange(0, ListScroll::kRange);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::actionTriggered, this,
            [this](int action) { onScrollAction(action); });
}

CityListScreen::~CityListScreen() = default;

bool CityListScreen::OnInitDialog() {
    SetWindowText(std::u16string(kind_.caption));
    SetSoftKeys(Menu());
    MakeFullScreen();
    turns_.emplace(kTurnMutexName);
    model_.reload(false);
    if (!selectionBar_.load(kSelectionBar)) {
        platform::messageBox(owner(), kind_.selectionBarFailure);
    }
    model_.fillRows();
    Refresh();
    tellReadFailure();
    return true;
}

void CityListScreen::tellReadFailure() {
    if (model_.takeReadFailure()) ReportReadFailure();
}

void CityListScreen::OnDestroy() {
    selectionBar_.reset();
    turns_.reset();
}

CityListGeometry CityListScreen::geometry() const {
    const ui::Rect client = GetClientRect();
    return CityListGeometry(client.width(), client.height(), TopMargin(),
                            static_cast<int>(model_.rows().size()));
}

bool CityListScreen::scrollBarShown() const {
    return geometry().scrollBarShown();
}

void CityListScreen::Refresh() {
    listDirty_ = true;
    updateScrollBar();
    Invalidate();
}

void CityListScreen::updateScrollBar() {
    const auto g = geometry();
    scroll_.setExtent(g.rowCount(), g.maxScrollOffset());
    const ui::Rect r = g.scrollBarRect();
    scrollBar_->setGeometry(r.left, r.top, r.width(), r.height());
    scrollBar_->setPageStep(ListScroll::kPage * ListScroll::kRange /
                            std::max(g.rowCount() * ListScroll::kLine, 1));
    scrollBar_->setValue(scroll_.position());
    scrollBar_->setVisible(g.scrollBarShown());
}

void CityListScreen::onScrollAction(int action) {
    if (!applyScrollAction(scroll_, action, scrollBar_->sliderPosition())) return;
    Invalidate();
}

CityListPainter::Header CityListScreen::header() const {
    if (kind_.list == ForecastList::Demand) {
        return {model_.empty() ? u"你目前没有点播城市" : u"", true};
    }
    const auto& stamp = model_.stampText();
    return {u"最近更新：" + weather::updateAgeText(stamp ? *stamp : u"", platform::localTime()),
            false};
}

void CityListScreen::OnPaint(ui::Canvas& canvas) {
    const auto g = geometry();
    if (listDirty_ || list_.isNull()) {
        CityListPainter::paintList(list_, g, model_.rows());
        listDirty_ = false;
    }
    const bool selection = !model_.empty() && !selectionBar_.isNull();
    CityListPainter::paintScreen(canvas, list_, g, scroll_.offset(), header(), selectionBar_,
                                 model_.selection(), selection);
    {
        std::lock_guard lock(progressMutex_);
        if (!progressText_.empty()) {
            CityListPainter::paintProgress(canvas, g, progressText_, progressSingleCity_);
            if (progressShown_.empty() || progressShown_.back() != progressText_)
                progressShown_.push_back(progressText_);
        }
    }
    // The newly added city is fetched once the list shows it.
    if (model_.hasPendingFetch() && !fetchQueued_) {
        fetchQueued_ = true;
        QTimer::singleShot(0, this, [this] { RunPendingFetch(); });
    }
}

void CityListScreen::OnKeyDown(int vk) {
    switch (vk) {
        case ui::VK_UP:
            model_.selectPrevious();
            Invalidate();
            break;
        case ui::VK_DOWN:
            model_.selectNext();
            Invalidate();
            break;
        case ui::VK_RETURN:
            OpenSelected();
            break;
        default:
            break;
    }
}

void CityListScreen::OnLButtonDown(int x, int y) {
    penRect_.reset();
    const auto g = geometry();
    if (g.scrollBarShown() && x >= g.width() - CityListGeometry::kScrollBarWidth) return;
    const auto row = g.rowAt({x, y}, scroll_.offset());
    if (!row) return;
    model_.select(*row);
    penRect_ = g.rowHitRect(*row, scroll_.offset());
    Invalidate();
}

void CityListScreen::OnLButtonUp(int x, int y) {
    const auto pressed = penRect_;
    penRect_.reset();
    if (pressed && pressed->contains(x, y)) OpenSelected();
}

std::intptr_t CityListScreen::OnUserMessage(unsigned message, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
    if (message == kReloadCities) {
        model_.reload(wParam != 0);
        Refresh();
        tellReadFailure();
        return 1;
    }
    if (message == kRemoveRow && kind_.list == ForecastList::Demand) {
        model_.removeRow(ForecastSession::instance().demandLastFound);
        Refresh();
        return 1;
    }
    return CDialog::OnUserMessage(message, wParam, lParam);
}

void CityListScreen::OpenSelected() {
    const auto name = model_.selectedName();
    if (!name) return;
    OpenDetail(*name);
    model_.fillRows();
    Refresh();
    tellReadFailure();
}

void CityListScreen::DeleteSelected() {
    if (!model_.removeSelected()) {
        ReportStoreFailure();
        return;
    }
    Refresh();
    tellReadFailure();
}

void CityListScreen::MakeSelectedDefault() {
    const auto result = model_.makeSelectedDefault();
    if (result == CityListModel::DefaultResult::Unchanged) return;
    if (result == CityListModel::DefaultResult::StoreFailed) {
        ReportStoreFailure();
        return;
    }
    if (result == CityListModel::DefaultResult::RowNotMoved) {
        platform::messageBox(owner(), u"移动节点失败！");
    }
    Refresh();
    tellReadFailure();
}

void CityListScreen::ForwardSelected() {
    const auto name = model_.selectedName();
    if (!name) return;
    const auto record = model_.stampStore().findByName(*name);
    std::optional<ForwardText::ThreeDays> days;
    if (record) days = ForwardText::ThreeDays{record->days[0], record->days[1], record->days[2]};
    const auto text = ForwardText::forecast(*name, days ? &*days : nullptr);
    Context().shell().openComposer(ForwardText::forward(text));
}

void CityListScreen::Recommend() {
    Context().shell().openComposer(ForwardText::recommend(Context().contacts().listWapSite));
}

std::vector<std::u16string> CityListScreen::progressTexts() const {
    std::lock_guard lock(progressMutex_);
    return progressHistory_;
}

std::vector<std::u16string> CityListScreen::shownProgressTexts() const {
    std::lock_guard lock(progressMutex_);
    return progressShown_;
}

void CityListScreen::forgetProgress() {
    std::lock_guard lock(progressMutex_);
    progressHistory_.clear();
    progressShown_.clear();
}

void CityListScreen::setProgress(std::u16string text, bool singleCity) {
    std::lock_guard lock(progressMutex_);
    progressHistory_.push_back(text);
    progressText_ = std::move(text);
    progressSingleCity_ = singleCity;
}

void CityListScreen::clearProgress() {
    std::lock_guard lock(progressMutex_);
    progressText_.clear();
}

void CityListScreen::repaintNow() {
    PaintNow();
    repaint();
}

std::optional<std::u16string> CityListScreen::fetchChecked(std::u16string_view path, int sizeFactor,
                                                           bool oneCall) {
    return oneCall ? ForecastFetch::oneCall(Context().http(), owner(), path, sizeFactor)
                   : ForecastFetch::inSteps(Context().http(), owner(), path, sizeFactor);
}

void CityListScreen::takeTurn() {
    if (holdingTurn_ || !turns_) return;
    turns_->wait();
    holdingTurn_ = true;
}

void CityListScreen::giveTurn() {
    if (!holdingTurn_) return;
    holdingTurn_ = false;
    turns_->release();
}

void CityListScreen::UpdateAll() {
    if (model_.cities().empty()) return;
    forgetProgress();
    if (kind_.list == ForecastList::Demand) {
        updateDemand();
    } else {
        updateListInTurns();
    }
    clearProgress();
    repaintNow();
    tellReadFailure();
}

void CityListScreen::updateListInTurns() {
    repaintNow();
    std::vector<std::u16string> names;
    for (const auto& row : model_.rows()) names.push_back(row.cityName);
    ProgressThread progress(*turns_, std::move(names), [this](std::u16string_view text) {
        setProgress(std::u16string(text), false);
    });
    if (!progress.start()) platform::messageBox(owner(), u"线程tevoWeather创建失败");
    // Each turn given to the progress thread lets it write one text; this
    // thread takes the mutex back once that text is written, and paints it.
    std::size_t written = 0;
    const auto passTurn = [&] {
        giveTurn();
        progress.grantTurn();
        progress.awaitTexts(++written);
        takeTurn();
    };
    std::this_thread::sleep_for(kTurnPause);
    passTurn();
    repaintNow();  // the connecting text stays up while the request runs

    bool storeFailed = false;
    const auto& cities = model_.cities();
    const auto reply = fetchChecked(listPath(kind_, codesOf(cities), Context().values().clientCode),
                                    static_cast<int>(cities.size()), false);
    if (reply) {
        std::vector<weather::CityRef> refs;
        for (const auto& city : cities) refs.push_back({city.cityCode, city.cityName});
        const auto update = weather::parseForecastReply(*reply, refs);
        // Storing stops at the first failed write: the records already written
        // stay, the failed one keeps its former forecast, and the user is told.
        bool stored = model_.stampStore().addOrReplace(stampRecord(update.stamp));
        for (const auto& forecast : update.cities) {
            if (!stored) break;
            passTurn();
            stored = model_.stampStore().addOrReplace(toRecord(forecast));
            repaintNow();
            std::this_thread::sleep_for(ForecastSession::instance().storePause);
        }
        model_.fillRows();
        Refresh();
        repaintNow();
        storeFailed = !stored;
    }
    // Every way out frees the mutex, so that the progress thread runs to its end.
    giveTurn();
    progress.finish();
    if (storeFailed) ReportStoreFailure();
}

void CityListScreen::updateDemand() {
    std::vector<weather::OnDemandCity> wanted;
    for (const auto& city : model_.cities()) {
        if (!city.defaultFlag.empty()) wanted.push_back({city.cityCode, city.defaultFlag});
    }
    const auto reply = fetchChecked(weather::onDemandForecastPath(wanted),
                                    static_cast<int>(model_.cities().size()), false);
    if (!reply) return;
    const bool stored = DemandReplyStore::store(*reply, model_).complete;
    model_.fillRows();
    Refresh();
    if (!stored) ReportStoreFailure();
}

void CityListScreen::RunPendingFetch() {
    fetchQueued_ = false;
    const auto city = model_.takePendingFetch();
    if (!city) return;
    forgetProgress();
    fetchSingleCity(*city);
    clearProgress();
    Refresh();
    repaintNow();
    tellReadFailure();
}

void CityListScreen::fetchSingleCity(const store::UserCityRecord& city) {
    setProgress(u"连接服务器获取数据", true);
    repaintNow();
    if (kind_.list == ForecastList::Demand) {
        const auto path =
            weather::onDemandForecastPath(weather::OnDemandCity{city.cityCode, city.defaultFlag});
        const auto reply = fetchChecked(path, static_cast<int>(model_.cities().size()), false);
        if (reply && !DemandReplyStore::store(*reply, model_).complete) ReportStoreFailure();
    } else {
        const std::vector<std::u16string> codes{city.cityCode};
        const auto reply =
            fetchChecked(listPath(kind_, codes, Context().values().clientCode), 1, true);
        if (reply && !model_.stampStore().storeSingleCityReply(*reply, city)) ReportStoreFailure();
    }
    setProgress(u"正在更新数据：" + city.cityName, true);
    repaintNow();
    std::this_thread::sleep_for(ForecastSession::instance().storePause);
    model_.fillRows();
}

}  // namespace app
