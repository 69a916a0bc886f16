#include "app/services/CtevaloWeatherAtrisk.h"

#include <QScrollBar>
#include <algorithm>

#include "app/services/ServiceHeader.h"
#include "app/services/SliderRequest.h"
#include "weather/HttpClient.h"
#include "weather/RequestPath.h"

namespace services {

using namespace platform::ui;

namespace {

constexpr char16_t kCaption[] = u"四川地区危报详情";

int barPage(int view, int content) {
    return static_cast<int>(static_cast<double>(view) / std::max(1, content) * ScrollAxis::kRange) +
           1;
}

}  // namespace

CtevaloWeatherAtrisk::CtevaloWeatherAtrisk(app::AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloWeatherAtrisk", context, parent) {}

QScrollBar* CtevaloWeatherAtrisk::makeBar(Qt::Orientation orientation) {
    auto* bar = new QScrollBar(orientation, this);
    bar->hide();
    QObject::connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, orientation](int a) {
        const int request = sliderRequest(a);
        if (request < 0) return;
        if (orientation == Qt::Horizontal)
            HScroll(request, bar->sliderPosition());
        else
            VScroll(request, bar->sliderPosition());
    });
    return bar;
}

bool CtevaloWeatherAtrisk::OnInitDialog() {
    SetSoftKeys({192, {kBack, u"返回", {}}, {kUpdate, u"更新", {}}});
    MakeFullScreen();
    const int h = characterHeight();
    rowHeight_ = h > 0 ? h + 6 : 20;
    hbar_ = makeBar(Qt::Horizontal);
    vbar_ = makeBar(Qt::Vertical);
    viewWidth_ = width();
    viewHeight_ = height() - SoftKeyHeight();
    resizeBitmap();
    redraw_ = true;
    return true;
}

void CtevaloWeatherAtrisk::resizeBitmap() {
    const int t = TopMargin();
    const int w1 = contentWidth_ < viewWidth_ ? viewWidth_ : contentWidth_ + 20;
    const int h1 = contentHeight_ < viewHeight_ - 2 * t ? viewHeight_ - 2 * t : contentHeight_ + 50;
    const int w = std::max({viewHeight_, w1, width()});
    const int h = std::max(h1, height());
    bitmap_.resize(w, h, Colors().background);
    Canvas canvas = bitmap_.canvas();
    canvas.fillRect({0, 0, w, h}, Colors().background);
}

void CtevaloWeatherAtrisk::OnCommand(int id) {
    if (id == kBack)
        EndDialog(platform::IDCANCEL);
    else if (id == kUpdate)
        Update();
}

void CtevaloWeatherAtrisk::Update() {
    progress_ = u"正在获取数据，请等待";
    if (isVisible()) repaint();
    const weather::HttpClient client;
    const auto session = client.session(this);
    const bool opened =
        session->openRequest(weather::dangerReportPath(Context().values().clientCode)) &&
        session->checkRequest();
    const auto text = opened ? session->readReply(kSizeFactor) : std::nullopt;
    progress_.clear();
    Invalidate();
    if (!opened) return;
    if (!text) {
        Prompt(u"无法获取网络数据");
        return;
    }
    DangerReply reply = parseDangerReport(*text);
    if (reply.status != weather::ReplyStatus::Ok) {
        Prompt(u"无法获取网络数据");
        return;
    }
    table_ = std::move(reply.table);
    showsTable_ = table_.rowCount() > 0;
    if (showsTable_) {
        contentWidth_ = table_.contentWidth();
        // Rows are drawn one text line apart, which may be taller than the
        // nominal 20 pixels: the whole table must be reachable by scrolling.
        contentHeight_ = std::max(table_.contentHeight(),
                                  DangerTable::kTop + (table_.rowCount() + 1) * rowHeight_);
        barsPending_ = true;
    } else {
        contentWidth_ = 1;
        contentHeight_ = DangerTable::kTop;
        message_ = u"暂无天气危报";
    }
    resizeBitmap();
    redraw_ = true;
    Invalidate();
}

void CtevaloWeatherAtrisk::drawTable(Canvas& canvas) const {
    const int x0 = DangerTable::kLeft;
    const int y0 = DangerTable::kTop;
    const int h = rowHeight_;
    const int inset = (h - characterHeight()) / 2;
    const int right = table_.contentWidth();
    const int rows = table_.rowCount();
    const int bottom = y0 + (rows + 1) * h;
    canvas.drawLine(x0, y0, right, y0, kWhite);
    for (int r = 1; r <= rows; ++r) canvas.drawLine(x0, y0 + r * h, right, y0 + r * h, kWhite);
    canvas.drawLine(x0, bottom, right, bottom, kWhite);
    canvas.drawLine(x0, y0, x0, bottom, kWhite);
    canvas.drawLine(right, y0, right, bottom, kWhite);
    int x = x0;
    for (const DangerColumn& column : table_.columns()) {
        const unsigned format = DT_LEFT | DT_TOP | DT_SINGLELINE;
        canvas.drawText(column.heading, {x + 5, y0 + inset, x + column.width, y0 + h}, format,
                        defaultFont(), kWhite);
        for (size_t r = 0; r < column.cells.size(); ++r) {
            const int top = y0 + static_cast<int>(r + 1) * h;
            canvas.drawText(column.cells[r], {x + 5, top + inset, x + column.width, top + h},
                            format, defaultFont(), kWhite);
        }
        x += column.width;
        canvas.drawLine(x, y0, x, bottom, kWhite);
    }
}

void CtevaloWeatherAtrisk::layoutScrollBars() {
    laidOutWidth_ = width();
    barsPending_ = false;
    viewWidth_ = width();
    viewHeight_ = height() - SoftKeyHeight();
    const int hPage = barPage(viewWidth_, contentWidth_);
    const int vPage = barPage(viewHeight_, contentHeight_);
    const bool hShown = showsTable_ && ScrollAxis::kRange >= hPage;
    const bool vShown = showsTable_ && ScrollAxis::kRange >= vPage;
    if (hShown) viewHeight_ -= kScrollBarThickness;
    if (vShown) viewWidth_ -= kScrollBarThickness;
    across_.reset(contentWidth_, viewWidth_, hPage);
    down_.reset(contentHeight_, viewHeight_, vPage);
    if (hbar_) {
        hbar_->setGeometry(0, viewHeight_, viewWidth_, kScrollBarThickness);
        hbar_->setVisible(hShown);
    }
    if (vbar_) {
        vbar_->setGeometry(viewWidth_, 0, kScrollBarThickness, viewHeight_);
        vbar_->setVisible(vShown);
    }
    syncScrollBars();
}

void CtevaloWeatherAtrisk::syncScrollBars() {
    const std::pair<QScrollBar*, const ScrollAxis*> bars[] = {{hbar_, &across_}, {vbar_, &down_}};
    for (auto [bar, axis] : bars) {
        if (!bar) continue;
        const QSignalBlocker quiet(bar);
        const int page = std::clamp(axis->page(), 1, ScrollAxis::kRange);
        bar->setRange(0, ScrollAxis::kRange - page + 1);
        bar->setPageStep(page);
        bar->setValue(axis->position());
    }
}

void CtevaloWeatherAtrisk::HScroll(int request, int thumb) {
    if (barsPending_ || laidOutWidth_ != width()) layoutScrollBars();
    across_.scrollBar(request, thumb);
    syncScrollBars();
    Invalidate();
}

void CtevaloWeatherAtrisk::VScroll(int request, int thumb) {
    if (barsPending_ || laidOutWidth_ != width()) layoutScrollBars();
    down_.scrollBar(request, thumb);
    syncScrollBars();
    Invalidate();
}

void CtevaloWeatherAtrisk::OnPaint(Canvas& canvas) {
    if (redraw_) {
        Canvas page = bitmap_.canvas();
        if (showsTable_) {
            page.drawText(kCaption, {30, 10, bitmap_.width(), 30}, DT_LEFT | DT_TOP | DT_SINGLELINE,
                          defaultFont(), kWhite);
            drawTable(page);
        } else {
            page.drawText(message_, {30, 10, bitmap_.width(), 30}, DT_LEFT | DT_TOP | DT_SINGLELINE,
                          defaultFont(), kWhite);
        }
        redraw_ = false;
    }
    if (barsPending_ || laidOutWidth_ != width()) layoutScrollBars();
    canvas.copyFrom(bitmap_, {0, 0, viewWidth_, viewHeight_}, across_.offset(), down_.offset());
    if (!progress_.empty()) {
        const int bottom = height() - SoftKeyHeight();
        drawProgressStrip(canvas, bottom - TopMargin(), bottom, width(), progress_);
    }
}

}  // namespace services
