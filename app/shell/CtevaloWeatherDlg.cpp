#include "app/shell/CtevaloWeatherDlg.h"

#include "app/shell/CtevaloLoGo.h"
#include "app/shell/CtevaloMenu.h"
#include "app/shell/CtevaloSetupWizard.h"
#include "app/shell/CtevaloSetupWizardQuey.h"
#include "app/shell/HeaderBand.h"
#include "app/shell/MinimiseNotice.h"
#include "app/shell/Recommendation.h"
#include "app/shell/StartupWork.h"
#include "res/ResourceIds.h"
#include "store/VolumeRescue.h"

namespace app {

using namespace platform::ui;

namespace {

struct Item {
    std::u16string_view caption;
    std::u16string_view picture;
};

constexpr std::array<Item, MainMenuGrid::kItems> kItems{{
    {u"米多天气", u"TQ.png"},
    {u"天气周报", u"ZB.png"},
    {u"天气点播", u"DB.png"},
    {u"专业服务", u"ZYFW.png"},
    {u"灾害性天气", u"ZHTQ.png"},
    {u"消防提醒", u"TX.png"},
    {u"桌面设置", u"ZMSZ.png"},
    {u"系统设置", u"SZ.png"},
    {u"软件帮助", u"BZ.png"},
}};

constexpr int kDisasterItem = 4;
constexpr int kFireItem = 5;

// Every request carries the client code. When it cannot be read the user is
// told; a new one is not made, as that would change the installation's
// identity at the service.
constexpr char16_t kClientCodeUnreadable[] = u"读取用户信息失败，请稍后重新启动晴雨匣";
const FontChoice kCaptionFont{u"", 11, false};

}  // namespace

CtevaloWeatherDlg::CtevaloWeatherDlg(AppContext& context)
    : ShellScreen(u"CtevaloWeatherDlg", context, nullptr) {}

CtevaloWeatherDlg::~CtevaloWeatherDlg() = default;

std::u16string_view CtevaloWeatherDlg::Caption(int index) {
    return kItems.at(index).caption;
}

std::u16string CtevaloWeatherDlg::PictureName(int index) const {
    const auto& values = Context().values();
    if (index == kDisasterItem && values.disasterWarningCount > 0) return u"ZHTQ(GX).png";
    if (index == kFireItem && values.fireWarningCount > 0) return u"TX(GX).png";
    return std::u16string(kItems.at(index).picture);
}

bool CtevaloWeatherDlg::OnInitDialog() {
    SetWindowText(kMainMenuCaption);
    SetSoftKeys({res::IDR_MAINMENU,
                 {res::ID_MAINMENU_EXIT, u"退出", {}},
                 {0,
                  u"选项",
                  {{res::ID_MAINMENU_ENTER, u"进入服务", {}},
                   {res::ID_MAINMENU_RECOMMEND, u"推荐好友", {}}}}});
    MakeFullScreen();
    loadPictures();
    runStartup();
    rebuildGrid();
    return true;
}

void CtevaloWeatherDlg::loadPictures() {
    if (!header_.load(PicturePath(u"tmd.png"))) {
        Prompt(u"加载背景图失败");
        platform::messageBox(this, u"");
        return;
    }
    for (int i = 0; i < MainMenuGrid::kItems; ++i) {
        if (!items_[i].load(PicturePath(kItems[i].picture))) {
            platform::messageBox(this, u"");
            return;
        }
    }
    if (!frame_.load(PicturePath(u"TMXK.png"))) platform::messageBox(this, u"");
}

// A city volume that cannot be read would make the first-run wizard start over
// as if nothing had been stored; the user is told once, and the old file stays
// beside the fresh one for recovery.
void CtevaloWeatherDlg::rescueDamagedVolume() {
    const auto rescue = store::rescueDamagedCityVolume(Context().volumes(), platform::localTime());
    if (!rescue) return;
    std::u16string text = u"数据文件CityDatabase.vol已损坏，无法读取。";
    if (rescue->setAside.empty()) {
        text += u"原文件无法改名保存，请检查存储空间";
    } else {
        text += u"原文件已改名保存为" + rescue->setAside.filename().u16string();
        text += rescue->freshVolume ? u"，已建立新的数据文件"
                                    : u"，新的数据文件无法建立，请检查存储空间";
    }
    Prompt(text, platform::MB_ICONEXCLAMATION);
}

void CtevaloWeatherDlg::runStartup() {
    rescueDamagedVolume();
    StartupWork work(Context());
    if (!work.readClientCode()) Prompt(kClientCodeUnreadable);
    work.readDateText();
    work.readBackgroundNumber();
    if (!cover_) {
        cover_ = std::make_unique<CtevaloMenu>(Context(), this);
        cover_->Create();
    }
    {
        CtevaloLoGo logo(Context(), cover_.get());
        logo.DoModal();
    }
    if (work.setupNeeded()) {
        {
            CtevaloSetupWizard page1(Context(), cover_.get());
            page1.DoModal();
        }
        CtevaloSetupWizardQuey page2(Context(), cover_.get());
        page2.DoModal();
    }
    cover_->DestroyWindow();
    cover_.reset();
    work.readBackgroundNumber();
    work.countWarnings();
}

void CtevaloWeatherDlg::updateBadges() {
    for (int index : {kDisasterItem, kFireItem}) {
        const std::u16string want = PicturePath(PictureName(index));
        // Only pictures that loaded at start are switched; a missing one stays undrawn.
        if (!items_[index].isNull() && items_[index].file() != want) items_[index].load(want);
    }
}

void CtevaloWeatherDlg::rebuildGrid() {
    grid_.resize(std::max(1, width()), std::max(1, height()), Colors().background);
    Invalidate();
}

void CtevaloWeatherDlg::OnPaint(Canvas& canvas) {
    updateBadges();
    if (grid_.width() != width() || grid_.height() != height()) rebuildGrid();
    const MainMenuGrid grid = Grid();
    {
        Canvas g = grid_.canvas();
        g.fillRect(g.bounds(), Colors().background);
        for (int i = 0; i < MainMenuGrid::kItems; ++i) {
            const Rect cell = grid.cell(i);
            const Rect square = grid.pictureSquare(i);
            if (i == selected_) g.drawPicture(frame_, square);
            g.drawPicture(items_[i], square);
            g.drawText(kItems[i].caption,
                       {cell.left + 16, cell.top + 69, cell.right, cell.top + 81},
                       DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP, kCaptionFont, kWhite);
        }
    }
    const int top = TopMargin();
    canvas.copyFrom(grid_, {0, top, width(), height()}, 0, top);
    HeaderBand::paint(canvas, header_, top, Context().values().dateText);
}

void CtevaloWeatherDlg::OnKeyDown(int vk) {
    const MainMenuGrid grid = Grid();
    int next = selected_;
    switch (vk) {
        case VK_LEFT:
            next = grid.left(selected_);
            break;
        case VK_RIGHT:
            next = grid.right(selected_);
            break;
        case VK_UP:
            next = grid.up(selected_);
            break;
        case VK_DOWN:
            next = grid.down(selected_);
            break;
        case VK_RETURN:
            openSelected();
            return;
        default:
            return;
    }
    if (next != selected_) {
        selected_ = next;
        Invalidate();
    }
}

void CtevaloWeatherDlg::OnLButtonDown(int x, int y) {
    const int hit = Grid().itemAt(x, y);
    penDown_ = hit >= 0;
    if (!penDown_) return;
    selected_ = hit;
    penRect_ = Grid().pictureSquare(hit);
    Invalidate();
}

void CtevaloWeatherDlg::OnLButtonUp(int x, int y) {
    const bool inside = penDown_ && penRect_.contains(x, y);
    penDown_ = false;
    if (inside) openSelected();
}

void CtevaloWeatherDlg::openSelected() {
    Context().launcher().open(static_cast<ScreenId>(selected_), Context(), this);
    Invalidate();
}

void CtevaloWeatherDlg::OnCommand(int id) {
    switch (id) {
        case res::ID_MAINMENU_EXIT:
            exitApplication();
            break;
        case res::ID_MAINMENU_ENTER:
            openSelected();
            break;
        case res::ID_MAINMENU_RECOMMEND:
            Context().shell().openComposer(recommendMessage(Context().contacts().wapSite));
            break;
        case res::ID_NOTICE_SHOW:
            restore();
            break;
        case res::ID_NOTICE_CANCEL:
            Context().shell().removeNotice(res::kNoticeId);
            break;
        default:
            break;
    }
}

void CtevaloWeatherDlg::exitApplication() {
    if (Prompt(u"是否退出晴雨匣", platform::MB_YESNO) != platform::IDYES) return;
    Context().shell().removeNotice(res::kNoticeId);
    EndDialog(IDOK);
}

std::intptr_t CtevaloWeatherDlg::OnUserMessage(unsigned message, std::uintptr_t, std::intptr_t) {
    if (message == DM_REPOSITION) {
        restore();
    } else if (message == kRedrawGridMessage) {
        rebuildGrid();
    }
    return 0;
}

void CtevaloWeatherDlg::restore() {
    Context().shell().removeNotice(res::kNoticeId);
    MakeFullScreen();
    BringToFront();
}

void CtevaloWeatherDlg::OnActivate(int state) {
    if (state == WA_INACTIVE) return;
    Context().shell().removeNotice(res::kNoticeId);
    StartupWork(Context()).readDateText();
    if (isVisible()) MakeFullScreen();
}

void CtevaloWeatherDlg::OnSize(int kind, int cx, int cy) {
    ShellScreen::OnSize(kind, cx, cy);
    if (kind != SIZE_MINIMIZED) rebuildGrid();
}

void CtevaloWeatherDlg::OnMinimized() {
    Context().shell().showNotice(minimiseNotice(), [this](int command) { OnCommand(command); });
    ShellScreen::OnMinimized();
}

bool CtevaloWeatherDlg::BringWindowBehindToFront() {
    // Behind the first window of the application lies the desktop, which the
    // window manager shows by itself.
    return true;
}

}  // namespace app
