#include "app/services/WarningListScreen.h"

#include <algorithm>

#include "app/services/WarningTextScreen.h"
#include "store/NewWarningNotice.h"
#include "store/WarningReply.h"
#include "weather/HttpClient.h"

namespace services {

WarningListScreen::WarningListScreen(const WarningService& service, app::AppContext& context,
                                     platform::ui::CDialog* parent)
    : TitleListScreen(std::u16string(service.listClass), context, parent, service.listMenu(), 1,
                      u"%d. "),
      service_(service) {}

WarningListScreen::~WarningListScreen() = default;

std::optional<std::vector<std::u16string>> WarningListScreen::ListTitles() const {
    const auto warnings = store::WarningStore(Context().volumes(), service_.kind).list();
    if (!warnings) return std::nullopt;
    std::vector<std::u16string> titles;
    for (const auto& w : *warnings)
        if (!w.title.empty()) titles.push_back(w.title);  // removed warnings keep only their ID
    return titles;
}

void WarningListScreen::OnCommand(int id) {
    if (id == service_.list.back) {
        EndDialog(platform::IDCANCEL);
    } else if (id == service_.list.view) {
        if (!ShownTitles().empty()) OpenRow(SelectedRow());
    } else if (id == service_.list.update) {
        Update();
    } else if (id == service_.list.remove) {
        DeleteSelected();
    } else if (id == service_.list.past) {
        Context().shell().openBrowser(pastWarningsUrl(service_.pastPage));
    }
}

void WarningListScreen::Update() {
    ShowProgress(u"正在获取数据，请等待");
    const store::WarningStore warnings(Context().volumes(), service_.kind);
    std::vector<std::u16string> ids;
    if (auto stored = warnings.list())
        for (const auto& w : *stored) ids.push_back(w.id);
    const auto path = service_.requestPath(ids, Context().values().clientCode);

    const weather::HttpClient client;
    const auto session = client.session(this);
    if (!session->openRequest(path) || !session->checkRequest()) {
        HideProgress();
        return;
    }
    const auto text = session->readReply(kSizeFactor);
    HideProgress();
    if (!text) {
        Prompt(u"数据查询失败");
        return;
    }
    const store::WarningReply reply = store::parseWarnings(*text);
    if (reply.status == weather::ReplyStatus::VersionTooOld) {
        Prompt(u"软件版本过低");
        return;
    }
    if (reply.status == weather::ReplyStatus::QueryFailed) {
        Prompt(u"数据查询失败");
        return;
    }
    std::vector<std::u16string> newTitles;
    const auto result = warnings.storeWarnings(reply.items, reply.updateTime, &newTitles);
    if (!result) {
        Reload();
        ReportStoreFailure();
        return;
    }
    const int stored = *result;
    store::announceNewWarnings(newTitles);
    if (stored > 0) unreadCount() = store::WarningStore::raisedUnreadCount(unreadCount(), stored);
    Reload();
    if (stored > 0)
        announce();
    else
        Prompt(u"暂无新信息", platform::MB_OK);
}

void WarningListScreen::announce() {
    if (!player_) player_ = platform::createMediaPlayer();
    if (player_->openAudio(kAlertSound)) player_->play();
}

void WarningListScreen::OpenRow(int row) {
    if (row < 0 || row >= static_cast<int>(ShownTitles().size())) return;
    WarningTextScreen text(service_, Context(), this);
    text.SetContent(ShownTitles()[row], {});
    text.DoModal();
}

void WarningListScreen::DeleteSelected() {
    if (ShownTitles().empty()) return;
    const std::u16string title = ShownTitles()[SelectedRow()];
    const store::WarningStore warnings(Context().volumes(), service_.kind);
    const auto warning = warnings.findByTitle(title);
    if (!warning || !warnings.removeWarning(title)) {
        Prompt(u"删除信息失败！");
        return;
    }
    // Only an unread warning was counted.
    if (!warning->updateTime.empty()) unreadCount() = std::max(0, unreadCount() - 1);
    ReloadAfterDelete();
}

void WarningListScreen::OnDestroy() {
    if (player_) player_->release();
    player_.reset();
    TitleListScreen::OnDestroy();
}

}  // namespace services
