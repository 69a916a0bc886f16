#include "platform/ui/DrawLog.h"

namespace platform::ui {
namespace {

bool endsWith(std::u16string_view s, std::u16string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

}  // namespace

std::optional<DrawOp> DrawLog::findText(std::u16string_view text) const {
    for (const DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Text && op.text == text) return op;
    }
    return std::nullopt;
}

std::optional<DrawOp> DrawLog::findTextContaining(std::u16string_view part) const {
    for (const DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Text && op.text.find(part) != std::u16string::npos) return op;
    }
    return std::nullopt;
}

std::optional<DrawOp> DrawLog::findPicture(std::u16string_view name) const {
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        if (it->kind == DrawOp::Kind::Picture && endsWith(it->file, name)) return *it;
    }
    return std::nullopt;
}

std::vector<DrawOp> DrawLog::pictures(std::u16string_view name) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Picture && endsWith(op.file, name)) out.push_back(op);
    }
    return out;
}

std::vector<std::u16string> DrawLog::texts() const {
    std::vector<std::u16string> out;
    for (const DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Text) out.push_back(op.text);
    }
    return out;
}

std::optional<Color> DrawLog::fillAt(int x, int y) const {
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        if (it->kind == DrawOp::Kind::Fill && it->rect.contains(x, y)) return it->color;
    }
    return std::nullopt;
}

}  // namespace platform::ui
