#pragma once

// The danger report as a table of three columns (city, details, time). Cells
// are kept by row: a reply row that lacks a cell leaves that cell empty, so
// the columns never slide against each other.

#include <string>
#include <string_view>
#include <vector>

#include "weather/ReplyStatus.h"

namespace services {

struct DangerColumn {
    int key;  // index of the cell within a reply row
    int width;
    std::u16string heading;
    std::vector<std::u16string> cells;  // one per row
};

class DangerTable final {
public:
    static constexpr int kLeft = 30;
    static constexpr int kTop = 30;
    static constexpr int kRowAdvance = 20;

    DangerTable();

    // Cell k of the row goes to the column keyed k; other cells are dropped.
    void addRow(const std::vector<std::u16string>& cells);

    const std::vector<DangerColumn>& columns() const { return columns_; }
    int rowCount() const { return rows_; }
    int contentWidth() const;
    int contentHeight() const { return kTop + rows_ * kRowAdvance; }

private:
    std::vector<DangerColumn> columns_;
    int rows_ = 0;
};

struct DangerReply {
    weather::ReplyStatus status = weather::ReplyStatus::Ok;
    DangerTable table;
    // Rows of the last row list; the screen shows the table only when it is
    // not 0.
    int lastListRows = 0;
};

// "time`city*time*details$city*time*details$`...": every list after the time
// stamp is added. "0", "-1" and an HTML page are unusable.
DangerReply parseDangerReport(std::u16string_view reply);

}  // namespace services
