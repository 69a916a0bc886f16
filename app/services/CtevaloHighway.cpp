#include "app/services/CtevaloHighway.h"

#include <QListWidget>
#include <QTimer>

#include "app/services/CtevaloHighwayImage.h"
#include "platform/ui/Font.h"

namespace services {

using namespace platform::ui;

const std::array<std::u16string_view, 10> CtevaloHighway::kHighways{
    u"成雅高速",   u"成绵高速", u"成渝环线高速", u"成彭高速", u"成都绕城高速",
    u"成温邛高速", u"成灌高速", u"成乐高速",     u"成南高速", u"城北高速"};

namespace {

// The pause between a tap on an item and the picture screen, so the user
// sees the item selected first.
constexpr int kTapDelayMs = 100;

}  // namespace

CtevaloHighway::CtevaloHighway(app::AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloHighway", context, parent) {
    auto* list = new QListWidget(this);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setFrameShape(QFrame::Box);
    QFont font = Font::toQFont({u"Arial", 25, true});
    font.setStyleHint(QFont::SansSerif);
    list->setFont(font);
    AddControl(kListId, list);
    // Enter is handled once, by the screen: the list passes the key on after
    // its own activation, so reacting to both would open the picture twice.
    QObject::connect(list, &QListWidget::itemClicked, this,
                     [this] { QTimer::singleShot(kTapDelayMs, this, [this] { OpenSelected(); }); });
}

QListWidget* CtevaloHighway::List() const {
    return Control<QListWidget>(kListId);
}

bool CtevaloHighway::OnInitDialog() {
    SetSoftKeys({198, {kBack, u"返回", {}}, {kChoose, u"选择", {}}});
    MakeFullScreen();
    QListWidget* list = List();
    list->clear();
    for (auto name : kHighways) list->addItem(QString::fromStdU16String(std::u16string(name)));
    layoutList();
    selectFirst();
    return false;  // the list has the focus
}

void CtevaloHighway::layoutList() {
    if (QListWidget* list = List()) list->setGeometry(0, 0, width(), height() - SoftKeyHeight());
}

void CtevaloHighway::selectFirst() {
    QListWidget* list = List();
    if (!list || list->count() == 0) return;
    list->setCurrentRow(0);
    list->setFocus();
    list->scrollToTop();
}

void CtevaloHighway::OnSize(int kind, int cx, int cy) {
    ShellScreen::OnSize(kind, cx, cy);
    layoutList();
}

void CtevaloHighway::OnActivate(int state) {
    ShellScreen::OnActivate(state);
    if (state != WA_INACTIVE) selectFirst();
}

void CtevaloHighway::OnKeyDown(int vk) {
    if (vk == VK_RETURN) OpenSelected();
}

void CtevaloHighway::OnCommand(int id) {
    if (id == kBack)
        EndDialog(platform::IDCANCEL);
    else if (id == kChoose)
        OpenSelected();
}

void CtevaloHighway::OpenSelected() {
    QListWidget* list = List();
    if (!list || !isVisible()) return;
    const auto selected = list->selectedItems();
    if (selected.isEmpty() || pictureOpen_) return;
    // A tap's delayed opening or a second key press while the picture is up
    // must not stack a second copy on it.
    pictureOpen_ = true;
    CtevaloHighwayImage picture(Context(), this);
    picture.SetName(selected.front()->text().toStdU16String());
    picture.DoModal();
    pictureOpen_ = false;
}

}  // namespace services
