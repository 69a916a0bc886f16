#include "app/services/ReportListScreen.h"

#include "app/services/ReportReplies.h"
#include "app/services/ReportTextScreen.h"
#include "weather/HttpClient.h"

namespace services {
namespace {

constexpr char16_t kReadFailed[] = u"获取数据失败";
constexpr char16_t kVersionTooOld[] = u"你当前版本过低，无法获取数据，请更新版本！";

}  // namespace

ReportListScreen::ReportListScreen(const ReportFamily& family, app::AppContext& context,
                                   platform::ui::CDialog* parent)
    : TitleListScreen(std::u16string(family.listClass), context, parent, family.listMenu(), 2,
                      u"%d ."),
      family_(family) {}

std::optional<std::vector<std::u16string>> ReportListScreen::ListTitles() const {
    const auto reports = store::ReportStore(Context().volumes(), family_.table).list();
    if (!reports) return std::nullopt;
    std::vector<std::u16string> titles;
    for (const auto& r : *reports) titles.push_back(r.title);
    return titles;
}

void ReportListScreen::OnCommand(int id) {
    if (id == family_.list.back) {
        EndDialog(platform::IDCANCEL);
    } else if (id == family_.list.view) {
        if (!ShownTitles().empty()) OpenRow(SelectedRow());
    } else if (id == family_.list.update) {
        Update();
    } else if (id == family_.list.remove) {
        DeleteSelected();
    } else if (id == family_.list.more) {
        Context().shell().openBrowser(Context().contacts().wapSite);
    }
}

void ReportListScreen::Update() {
    ShowProgress(u"正在获取数据，请等待");
    const weather::HttpClient client;
    const auto session = client.session(this);
    if (!session->openRequest(
            weather::reportListPath(family_.request, Context().values().clientCode)) ||
        !session->checkRequest()) {
        HideProgress();
        return;
    }
    const auto text = session->readReply(family_.titleSizeFactor);
    HideProgress();
    if (!text) {
        Prompt(kReadFailed);
        return;
    }
    const ReportTitleReply reply = parseReportTitles(*text);
    if (reply.status == ReplyStatus::VersionTooOld) {
        Prompt(kVersionTooOld);
        return;
    }
    if (reply.status == ReplyStatus::QueryFailed) {
        Prompt(kReadFailed);
        return;
    }
    const store::ReportStore reports(Context().volumes(), family_.table);
    for (const auto& report : reply.items) reports.addOrReplace(report);
    SelectRow(0);
    Reload();
}

bool ReportListScreen::fetchText(const std::u16string& title) {
    const store::ReportStore reports(Context().volumes(), family_.table);
    auto report = reports.findByTitle(title);
    if (!report) return false;
    const weather::HttpClient client;
    const auto session = client.session(this);
    if (!session->openRequest(weather::reportTextPath(report->id, Context().values().clientCode)) ||
        !session->checkRequest())
        return false;
    const auto text = session->readReply(family_.detailSizeFactor);
    if (!text) {
        Prompt(kReadFailed);
        return false;
    }
    const ReportDetailReply reply = parseReportDetail(*text);
    if (reply.status == ReplyStatus::VersionTooOld) {
        Prompt(kVersionTooOld);
        return false;
    }
    if (reply.status != ReplyStatus::Ok) return false;
    report->updateTime = reply.updateTime;
    if (reply.text) report->text = *reply.text;
    return reports.updateById(report->id, *report);
}

void ReportListScreen::OpenRow(int row) {
    if (row < 0 || row >= static_cast<int>(ShownTitles().size())) return;
    const std::u16string title = ShownTitles()[row];
    ShowProgress(u"正在获取详细数据，请等待");
    const bool fetched = fetchText(title);
    HideProgress();
    if (!fetched) {
        if (family_.detailFailure) Prompt(*family_.detailFailure);
        return;
    }
    ReportTextScreen text(family_, Context(), this);
    text.SetContent(title);
    text.DoModal();
}

void ReportListScreen::DeleteSelected() {
    if (ShownTitles().empty()) return;
    if (!store::ReportStore(Context().volumes(), family_.table)
             .removeByTitle(ShownTitles()[SelectedRow()]))
        return;
    ReloadAfterDelete();
}

}  // namespace services
