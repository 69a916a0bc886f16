#pragma once

// A CSV file read whole: a header row naming the columns, then data rows.
// Fields may be quoted ("a, b" and "" for a quote); blank lines are skipped.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace service {

class CsvFile final {
public:
    // Empty when the file cannot be opened.
    static std::optional<CsvFile> load(const std::string& path);
    static CsvFile parse(std::string_view text);

    // Index of the first column whose name contains `part`, if any.
    std::optional<size_t> column(std::string_view part) const;

    const std::vector<std::string>& header() const { return header_; }
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }

    // The field, or an empty text when the row is short.
    static const std::string& field(const std::vector<std::string>& row,
                                    std::optional<size_t> index);

private:
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace service
