#include "app/services/CtevaloProfessionalServices.h"

#include <algorithm>

#include "app/services/CtevaloHighway.h"
#include "app/services/CtevaloWeatherAtrisk.h"
#include "app/services/ReportListScreen.h"
#include "app/services/ServiceHeader.h"

namespace services {

using namespace platform::ui;

namespace {

struct Entry {
    std::u16string_view label;
    std::u16string_view icon;
    std::u16string_view loadFailure;
};

constexpr std::array<Entry, CtevaloProfessionalServices::kEntries> kEntryTable{{
    {u"天气旬报", u"Professional_1.png", u"加载图标失败6"},
    {u"天气月报", u"Professional_2.png", u"加载图标失败4"},
    {u"天气季报", u"Professional_3.png", u"加载图标失败5"},
    {u"天气危报", u"Professional_6.png", u"加载图标失败1"},
    {u"高速公路", u"Professional_4.png", u"加载图标失败2"},
}};

constexpr char16_t kIconFolder[] = u"Professional Servicesl icon\\";

}  // namespace

CtevaloProfessionalServices::CtevaloProfessionalServices(app::AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloProfessionalServices", context, parent), grid_(kEntries, 240, 26) {}

bool CtevaloProfessionalServices::OnInitDialog() {
    SetSoftKeys({149, {kBack, u"返回", {}}, {kOpen, u"确定", {}}});
    MakeFullScreen();
    grid_ = ServiceGrid(kEntries, width(), TopMargin());
    for (size_t i = 0; i < kEntryTable.size(); ++i) {
        const auto& entry = kEntryTable[i];
        if (!icons_[i].load(PicturePath(std::u16string(kIconFolder) + std::u16string(entry.icon))))
            Prompt(entry.loadFailure);
    }
    if (!frame_.load(PicturePath(u"TMXK.png"))) Prompt(u"加载选择框图标失败");
    if (!bar_.load(PicturePath(u"tmd.png"))) Prompt(u"加载顶部菜单栏图标失败");
    gridWidth_ = -1;
    return true;
}

void CtevaloProfessionalServices::drawGrid() {
    const int side = std::max(width(), height());
    gridSurface_.resize(side, side, Colors().background);
    Canvas canvas = gridSurface_.canvas();
    canvas.fillRect({0, 0, side, side}, Colors().background);
    grid_.setWidth(width());
    for (int i = 0; i < kEntries; ++i) {
        const Rect cell = grid_.cellRect(i);
        canvas.drawText(kEntryTable[i].label,
                        {cell.left + 16, cell.top + 69, cell.right, cell.top + 69 + 14},
                        DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP, defaultFont(), kWhite);
        canvas.drawPicture(icons_[i], grid_.iconRect(i));
    }
    drawServiceHeader(canvas, bar_, width(), TopMargin(), Colors().background,
                      Context().values().dateText);
    gridWidth_ = width();
}

void CtevaloProfessionalServices::OnPaint(Canvas& canvas) {
    if (gridWidth_ != width()) drawGrid();
    canvas.copyFrom(gridSurface_, GetClientRect(), 0, 0);
    const Rect icon = grid_.iconRect(grid_.selected());
    canvas.drawPicture(frame_, icon);
    canvas.drawPicture(icons_[grid_.selected()], icon);
}

void CtevaloProfessionalServices::OnKeyDown(int vk) {
    bool repaint = false;
    switch (vk) {
        case VK_DOWN:
            repaint = grid_.down();
            break;
        case VK_UP:
            repaint = grid_.up();
            break;
        case VK_RIGHT:
            repaint = grid_.right();
            break;
        case VK_LEFT:
            repaint = grid_.left();
            break;
        case VK_RETURN:
            OpenEntry(grid_.selected());
            break;
        default:
            break;
    }
    if (repaint) Invalidate();
}

void CtevaloProfessionalServices::OnLButtonDown(int x, int y) {
    if (grid_.tapDown(x, y)) Invalidate();
}

void CtevaloProfessionalServices::OnLButtonUp(int x, int y) {
    if (auto index = grid_.tapUp(x, y)) OpenEntry(*index);
}

void CtevaloProfessionalServices::OnCommand(int id) {
    if (id == kBack)
        EndDialog(platform::IDCANCEL);
    else if (id == kOpen)
        OpenEntry(grid_.selected());
}

void CtevaloProfessionalServices::OpenEntry(int index) {
    app::AppContext& context = Context();
    switch (index) {
        case 0:
            CtevaloWeatherXuenBao(context, this).DoModal();
            break;
        case 1:
            CtevaloWeatherYueBao(context, this).DoModal();
            break;
        case 2:
            CtevaloWeatherJiBao(context, this).DoModal();
            break;
        case 3:
            CtevaloWeatherAtrisk(context, this).DoModal();
            break;
        case 4:
            CtevaloHighway(context, this).DoModal();
            break;
        default:
            return;
    }
    Invalidate();
}

void CtevaloProfessionalServices::OnDestroy() {
    for (auto& icon : icons_) icon.reset();
    frame_.reset();
    bar_.reset();
    ShellScreen::OnDestroy();
}

}  // namespace services
