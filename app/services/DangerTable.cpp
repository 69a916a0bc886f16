#include "app/services/DangerTable.h"

#include "weather/ReplySyntax.h"

namespace services {

DangerTable::DangerTable()
    : columns_{{0, 50, u"城市名", {}}, {2, 80, u"危报详情", {}}, {1, 140, u"时间", {}}} {}

void DangerTable::addRow(const std::vector<std::u16string>& cells) {
    for (DangerColumn& column : columns_) {
        const auto k = static_cast<size_t>(column.key);
        column.cells.push_back(k < cells.size() ? cells[k] : std::u16string());
    }
    ++rows_;
}

int DangerTable::contentWidth() const {
    int width = kLeft;
    for (const DangerColumn& column : columns_) width += column.width;
    return width;
}

DangerReply parseDangerReport(std::u16string_view reply) {
    DangerReply result;
    if (reply == u"0" || reply == u"-1" || (!reply.empty() && reply.front() == u'<')) {
        result.status = weather::ReplyStatus::QueryFailed;
        return result;
    }
    const auto pieces = weather::splitWithTrailing(reply, weather::kSectionSeparator);
    for (size_t p = 1; p < pieces.size(); ++p) {
        const auto rows = weather::splitTerminated(pieces[p], weather::kBlockTerminator);
        for (const auto& row : rows)
            result.table.addRow(weather::splitWithTrailing(row, weather::kFieldSeparator));
        result.lastListRows = static_cast<int>(rows.size());
    }
    return result;
}

}  // namespace services
