#include "hosts/home/HomeScreen.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include "hosts/home/TodayItemList.h"
#include "platform/clock/Clock.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/text/Utf.h"
#include "platform/today/TodayCanvas.h"

namespace home {
namespace {

const char16_t* const kWeekdays[] = {u"星期日", u"星期一", u"星期二", u"星期三",
                                     u"星期四", u"星期五", u"星期六"};

QString toQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HomeScreen::HomeScreen(platform::Registry registry, QWidget* parent)
    : QWidget(parent), registry_(std::move(registry)), settingChanges_([this](unsigned wParam) {
          if (wParam == kReloadItemsMessage) reloadItems();
      }) {
    setWindowTitle(QStringLiteral("今日"));
    setFocusPolicy(Qt::StrongFocus);
    connect(&refreshTimer_, &QTimer::timeout, this, &HomeScreen::refresh);
    refreshTimer_.start(kRefreshMs);
}

HomeScreen::~HomeScreen() = default;

HomeScreen::ItemCall::~ItemCall() {
    if (--screen_.itemCalls_ == 0 && screen_.reloadPending_) {
        screen_.reloadPending_ = false;
        QTimer::singleShot(0, &screen_, &HomeScreen::reloadItems);
    }
}

void HomeScreen::reloadItems() {
    if (itemCalls_ > 0) {
        reloadPending_ = true;
        return;
    }
    items_.clear();
    selected_ = pressed_ = -1;
    std::vector<TodayItemProblem> problems;
    const auto entries = TodayItemList(registry_).enabledItems(problems);
    for (const auto& entry : entries) {
        std::string error;
        auto item = TodayItemHost::load(entry, width(), error);
        if (!item) {
            problems.push_back({entry.name, error});
            continue;
        }
        TodayItemHost* raw = item.get();
        item->setWatermark([this, raw](const tevalo_today_dc& dc, const tevalo_today_rect& rect) {
            for (std::size_t i = 0; i < items_.size(); ++i) {
                if (items_[i].get() == raw) drawWatermark(dc, rect, itemTop(i));
            }
        });
        item->setOnChanged([this] { update(); });
        item->setOwner(this);
        items_.push_back(std::move(item));
    }
    for (const auto& problem : problems) reportFailure(problem.name, problem.reason);
    refresh();
}

void HomeScreen::refresh() {
    if (itemCalls_ > 0) return;
    ItemCall call(*this);
    for (auto& item : items_) {
        item->setWidth(width());
        item->queryRefresh();
    }
    update();
}

int HomeScreen::itemTop(std::size_t index) const {
    int top = kDateRowHeight;
    for (std::size_t i = 0; i < index && i < items_.size(); ++i) top += items_[i]->height();
    return top;
}

int HomeScreen::itemAt(int y) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const int top = itemTop(i);
        if (y >= top && y < top + items_[i]->height()) return static_cast<int>(i);
    }
    return -1;
}

void HomeScreen::select(int index) {
    if (index == selected_) return;
    ItemCall call(*this);
    if (selected_ >= 0) items_[selected_]->send(TEVALO_TODAY_LOST_SELECTION);
    selected_ = index;
    if (selected_ >= 0) items_[selected_]->send(TEVALO_TODAY_RECEIVED_SELECTION);
    update();
}

// Says once per item and run which item could not be loaded; the others keep working.
void HomeScreen::reportFailure(const std::u16string& name, const std::string& reason) {
    std::fprintf(stderr, "tevalo-home: item %s not loaded: %s\n", platform::toUtf8(name).c_str(),
                 reason.c_str());
    if (!reported_.insert(name).second) return;
    platform::messageBox(this, u"无法加载桌面项目：" + name, u"提示", platform::MB_OK);
}

void HomeScreen::renderWatermark() {
    // Drawn at the window's device pixels, in logical coordinates.
    const qreal scale = devicePixelRatio();
    watermark_ = QImage(size() * scale, QImage::Format_ARGB32_Premultiplied);
    watermark_.setDevicePixelRatio(scale);
    const QRect area = rect();
    QPainter painter(&watermark_);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(214, 232, 248));
    gradient.setColorAt(1, QColor(255, 255, 255));
    painter.fillRect(area, gradient);
    painter.setPen(QColor(200, 218, 236));
    QFont font = painter.font();
    font.setPixelSize(std::max(12, width() / 6));
    painter.setFont(font);
    painter.drawText(area.adjusted(0, 0, -8, -8), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("今日"));
}

void HomeScreen::drawWatermark(const tevalo_today_dc& dc, const tevalo_today_rect& rect,
                               int top) const {
    QImage target = platform::today::surfaceImage(dc.surface);
    QPainter painter(&target);
    const QRect area(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    const qreal scale = watermark_.devicePixelRatio();
    const QRectF source = area.translated(0, top).toRectF();
    painter.drawImage(area, watermark_, QRectF(source.topLeft() * scale, source.size() * scale));
}

void HomeScreen::resizeEvent(QResizeEvent*) {
    renderWatermark();
    refresh();
}

void HomeScreen::paintEvent(QPaintEvent*) {
    if (watermark_.size() != size() * devicePixelRatio()) renderWatermark();
    QPainter painter(this);
    painter.drawImage(0, 0, watermark_);
    const auto now = platform::localTime();
    const std::u16string date = platform::fromInt(now.year) + u"年" + platform::fromInt(now.month) +
                                u"月" + platform::fromInt(now.day) + u"日 " +
                                kWeekdays[now.dayOfWeek % 7];
    painter.setPen(Qt::black);
    painter.drawText(QRect(6, 0, width() - 6, kDateRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     toQString(date));
    // Within a call into the items only what they drew last is shown.
    const bool mayPaintItems = itemCalls_ == 0;
    ItemCall call(*this);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        auto& item = *items_[i];
        if (item.height() <= 0) continue;
        if (mayPaintItems) {
            item.setWidth(width());
            item.clearDrawLog();
            item.paint();
        }
        painter.drawImage(0, itemTop(i), item.surface());
    }
}

void HomeScreen::keyPressEvent(QKeyEvent* event) {
    ItemCall call(*this);
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const bool down = key == Qt::Key_Down;
        if (selected_ >= 0) {
            items_[selected_]->send(TEVALO_TODAY_USER_NAVIGATION,
                                    down ? TEVALO_TODAY_KEY_DOWN : TEVALO_TODAY_KEY_UP);
        }
        // Past the first or the last item the selection leaves the items.
        const int count = static_cast<int>(items_.size());
        int next = selected_ < 0 ? (down ? 0 : count - 1) : selected_ + (down ? 1 : -1);
        if (next >= count) next = -1;
        select(next);
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && selected_ >= 0) {
        items_[selected_]->send(TEVALO_TODAY_ACTION);
        return;
    }
    QWidget::keyPressEvent(event);
}

void HomeScreen::mousePressEvent(QMouseEvent* event) {
    const int y = event->position().toPoint().y();
    pressed_ = itemAt(y);
    if (pressed_ < 0) return;
    ItemCall call(*this);
    select(pressed_);
    const int top = itemTop(pressed_);
    items_[pressed_]->send(TEVALO_TODAY_PEN_DOWN, event->position().toPoint().x(), y - top);
}

void HomeScreen::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ < 0) return;
    const int index = pressed_;
    pressed_ = -1;
    ItemCall call(*this);
    const int y = event->position().toPoint().y();
    items_[index]->send(TEVALO_TODAY_PEN_UP, event->position().toPoint().x(), y - itemTop(index));
}

}  // namespace home
