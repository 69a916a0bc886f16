#include "app/services/TitleListScreen.h"

#include <algorithm>

#include "app/services/ServiceHeader.h"
#include "platform/text/Utf.h"

namespace services {

using namespace platform::ui;

namespace {

std::u16string rowLabel(std::u16string_view format, int number, std::u16string_view title) {
    std::u16string label(format);
    const size_t at = label.find(u"%d");
    if (at != std::u16string::npos) label.replace(at, 2, platform::fromInt(number));
    return label + std::u16string(title);
}

}  // namespace

TitleListScreen::TitleListScreen(std::u16string className, app::AppContext& context,
                                 CDialog* parent, SoftKeyMenu menu, int minRowsToMove,
                                 std::u16string rowFormat)
    : ShellScreen(std::move(className), context, parent),
      menu_(std::move(menu)),
      rowFormat_(std::move(rowFormat)),
      rows_(0, minRowsToMove) {}

bool TitleListScreen::OnInitDialog() {
    SetSoftKeys(menu_);
    MakeFullScreen();
    rows_.setTopMargin(TopMargin());
    charHeight_ = characterHeight();
    if (!bar_.load(PicturePath(u"tmd.png"))) Prompt(u"加载图片失败");
    Reload();
    return true;
}

void TitleListScreen::Reload() {
    auto titles = ListTitles();
    if (!titles) {
        // The rows read before stay; an unreadable list is not an empty one.
        ReportReadFailure();
        return;
    }
    shown_.clear();
    for (const auto& title : *titles) {
        if (shown_.size() == RowList::kMaxRows) break;
        shown_.push_back(title);
    }
    rows_.setCount(static_cast<int>(shown_.size()));
    listWidth_ = -1;
    Invalidate();
}

void TitleListScreen::ReloadAfterDelete() {
    rows_.selectedRowDeleted();
    Reload();
}

// The rows and the header go into the list picture in one pass, so that the
// picture's draw log holds everything it shows.
void TitleListScreen::drawList() {
    const int side = std::max(width(), height());
    if (list_.width() != side) list_.resize(side, side, Colors().background);
    Canvas canvas = list_.canvas();
    canvas.fillRect({0, 0, side, side}, Colors().background);
    for (int row = 0; row < rows_.count(); ++row) {
        canvas.drawText(rowLabel(rowFormat_, row + 1, shown_[row]),
                        {10, rows_.textTop(row), side, rows_.textTop(row) + RowList::kRowHeight},
                        DT_LEFT | DT_TOP | DT_SINGLELINE, defaultFont(), kWhite);
    }
    const int t = TopMargin();
    if (shown_.empty())
        canvas.drawText(u"请更新查看!", {50, t + 50, side, t + 80},
                        DT_LEFT | DT_TOP | DT_SINGLELINE, defaultFont(), kWhite);
    drawServiceHeader(canvas, bar_, width(), t, Colors().background, Context().values().dateText);
    listWidth_ = width();
}

void TitleListScreen::OnPaint(Canvas& canvas) {
    if (listWidth_ != width()) drawList();
    canvas.copyFrom(list_, GetClientRect(), 0, 0);
    if (rows_.count() > 0) {
        const int top = rows_.barTop(rows_.row(), charHeight_);
        canvas.drawPicture(bar_, {0, top, width(), top + 25});
        // The bar is drawn over the row; its text stays readable on top.
        canvas.drawText(rowLabel(rowFormat_, rows_.row() + 1, shown_[rows_.row()]),
                        {10, rows_.textTop(rows_.row()), width(),
                         rows_.textTop(rows_.row()) + RowList::kRowHeight},
                        DT_LEFT | DT_TOP | DT_SINGLELINE, defaultFont(), kWhite);
    }
    if (progress_)
        drawProgressStrip(canvas, progress_->top, progress_->bottom, width(), progress_->text);
}

void TitleListScreen::ShowProgress(std::u16string text) {
    const int t = TopMargin();
    ShowProgress(std::move(text), height() - 2 * t, height() - t);
}

void TitleListScreen::ShowProgress(std::u16string text, int top, int bottom) {
    progress_ = Progress{std::move(text), top, bottom};
    // The fetch that follows blocks this thread: paint now, not later.
    if (isVisible()) repaint();
}

void TitleListScreen::HideProgress() {
    progress_.reset();
    Invalidate();
}

void TitleListScreen::OnKeyDown(int vk) {
    switch (vk) {
        case VK_UP:
            if (rows_.up()) Invalidate();
            break;
        case VK_DOWN:
            if (rows_.down()) Invalidate();
            break;
        case VK_RETURN:
            if (rows_.count() > 0) OpenRow(rows_.row());
            break;
        default:
            break;
    }
}

void TitleListScreen::OnLButtonDown(int x, int y) {
    if (rows_.tapDown(x, y, std::max(width(), height()))) Invalidate();
}

void TitleListScreen::OnLButtonUp(int x, int y) {
    if (rows_.tapUp(x, y) && rows_.count() > 0) OpenRow(rows_.row());
}

}  // namespace services
