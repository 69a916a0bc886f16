#include "store/ReportStore.h"

#include "store/Catalogue.h"
#include "store/TableAccessor.h"

namespace store {

namespace {

using Reports = TableAccessor<ReportRecord>;

const TableSchema& schemaOf(ReportKind kind) {
    switch (kind) {
        case ReportKind::Monthly:
            return catalogue::weatherYueBao();
        case ReportKind::Quarterly:
            return catalogue::weatherJiBao();
        case ReportKind::TenDay:
            break;
    }
    return catalogue::weatherXuenBao();
}

}  // namespace

ReportStore::ReportStore(Volumes volumes, ReportKind kind)
    : volumes_(std::move(volumes)), kind_(kind) {}

std::optional<std::vector<ReportRecord>> ReportStore::list() const {
    return Reports(volumes_, schemaOf(kind_)).list(catalogue::kReportByTitle);
}

std::optional<ReportRecord> ReportStore::findByTitle(std::u16string_view title) const {
    return Reports(volumes_, schemaOf(kind_)).find(catalogue::kReportByTitle, title);
}

bool ReportStore::addOrReplaceAll(const std::vector<ReportRecord>& reports) const {
    const Reports table(volumes_, schemaOf(kind_));
    VolumeSession session = table.session();
    for (const auto& report : reports) {
        if (!table.addOrUpdate(session, report, catalogue::kReportById)) return false;
    }
    return session.close();
}

bool ReportStore::updateById(std::u16string_view id, const ReportRecord& report) const {
    return Reports(volumes_, schemaOf(kind_)).update(catalogue::kReportById, id, report);
}

bool ReportStore::removeByTitle(std::u16string_view title) const {
    return Reports(volumes_, schemaOf(kind_)).remove(catalogue::kReportByTitle, title);
}

}  // namespace store
