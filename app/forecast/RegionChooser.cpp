#include "app/forecast/RegionChooser.h"

#include "platform/ui/Font.h"
#include "store/RegionStore.h"

namespace app {

namespace ui = platform::ui;

RegionChooser::RegionChooser(std::u16string className, const ForecastListKind& kind, Ids ids,
                             AppContext& context, ui::CDialog* parent)
    : ShellScreen(std::move(className), context, parent), kind_(kind), ids_(ids) {
    list_ = new QListWidget(this);
    list_->setFont(ui::Font::toQFont(ui::FontChoice{u"Arial", 25, true}));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    AddControl(ids.list, list_);
    connect(list_, &QListWidget::itemClicked, this, [this] { Choose(); });
}

std::vector<std::u16string> RegionChooser::rows() const {
    std::vector<std::u16string> out;
    for (int i = 0; i < list_->count(); ++i) out.push_back(list_->item(i)->text().toStdU16String());
    return out;
}

bool RegionChooser::OnInitDialog() {
    SetSoftKeys(ui::SoftKeyMenu{ids_.menu, ui::MenuItem{ids_.back, u"返回", {}},
                                ui::MenuItem{ids_.choose, u"选择", {}}});
    MakeFullScreen();
    const ui::Rect client = GetClientRect();
    list_->setGeometry(0, 0, client.width(), client.height() - SoftKeyHeight());
    list_->clear();
    const auto tree = store::RegionStore(Context().volumes()).list();
    if (!tree) {
        Prompt(u"打开数据库失败");
        return true;
    }
    for (const auto& name : Offer(*tree)) list_->addItem(QString::fromStdU16String(name));
    selectFirst();
    return false;
}

void RegionChooser::selectFirst() {
    if (list_->count() == 0) return;
    list_->setCurrentRow(0);
    list_->scrollToTop();
    list_->setFocus();
}

void RegionChooser::OnSize(int kind, int cx, int cy) {
    const int oldWidth = list_->width();
    list_->setGeometry(0, 0, cx, cy - SoftKeyHeight());
    if (cx == oldWidth) RepositionMainMenu();
    ShellScreen::OnSize(kind, cx, cy);
}

void RegionChooser::OnCommand(int id) {
    if (id == ids_.back) {
        EndDialog(platform::IDCANCEL);
    } else if (id == ids_.choose) {
        Choose();
    }
}

void RegionChooser::OnKeyDown(int vk) {
    if (vk == ui::VK_RETURN) Choose();
}

void RegionChooser::Choose() {
    const auto* item = list_->currentItem();
    if (item == nullptr) return;
    const auto record =
        store::RegionStore(Context().volumes()).findByName(item->text().toStdU16String());
    if (!record) return;
    Chosen(*record);
}

}  // namespace app
