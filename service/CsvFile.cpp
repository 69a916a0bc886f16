#include "service/CsvFile.h"

#include <fstream>
#include <sstream>

namespace service {

namespace {

std::string trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<CsvFile> CsvFile::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return parse(text.str());
}

CsvFile CsvFile::parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    CsvFile file;
    std::vector<std::string> row;
    std::string fieldText;
    bool quoted = false;
    bool rowHasText = false;
    auto endField = [&] {
        row.push_back(trimmed(std::move(fieldText)));
        fieldText.clear();
    };
    auto endRow = [&] {
        endField();
        if (rowHasText) {
            if (file.header_.empty())
                file.header_ = std::move(row);
            else
                file.rows_.push_back(std::move(row));
        }
        row.clear();
        rowHasText = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                fieldText += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fieldText += c;
            }
        } else if (c == '"') {
            quoted = true;
            rowHasText = true;
        } else if (c == ',') {
            endField();
            rowHasText = true;
        } else if (c == '\n') {
            endRow();
        } else {
            fieldText += c;
            if (c != '\r' && c != ' ' && c != '\t') rowHasText = true;
        }
    }
    endRow();
    return file;
}

std::optional<size_t> CsvFile::column(std::string_view part) const {
    for (size_t i = 0; i < header_.size(); ++i)
        if (header_[i].find(part) != std::string::npos) return i;
    return std::nullopt;
}

const std::string& CsvFile::field(const std::vector<std::string>& row,
                                  std::optional<size_t> index) {
    static const std::string empty;
    if (!index || *index >= row.size()) return empty;
    return row[*index];
}

}  // namespace service
