// Every character the product draws must leave ink in every font the screens
// draw it with. A font that claims a character but has an empty outline for it
// (the CJK family's "℃") stops Qt from falling back, so the character silently
// disappears; this renders each distinct character on its own and looks at
// the pixels.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/settings/CtevaloHelpText.h"
#include "app/shell/ServiceContacts.h"
#include "platform/text/Utf.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/WinDefs.h"

namespace fs = std::filesystem;
namespace ui = platform::ui;

namespace {

fs::path sourceDir() {
    const char* dir = std::getenv("TEVALO_SOURCE_DIR");
    return dir ? fs::path(dir) : fs::path();
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Characters that leave no ink by nature.
bool drawsNothing(char32_t c) {
    return c <= 0x20 || c == 0x7F || c == 0x3000 || c == 0xFEFF || (c >= 0x200B && c <= 0x200F);
}

void addCharacters(std::set<char32_t>& into, const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (!drawsNothing(c)) into.insert(c);
    }
}

// The UTF-16 literals (u"...") of the product's own sources: its screen texts,
// code tables, messages, and the texts the service stand-in sends.
std::set<char32_t> productTextCharacters() {
    std::set<char32_t> chars;
    const std::regex literal(R"re(u"((?:[^"\\\n]|\\.)*)")re");
    for (const char* folder :
         {"app", "platform", "weather", "store", "today", "hosts", "service"}) {
        for (const auto& entry : fs::recursive_directory_iterator(sourceDir() / folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            const std::string code = readFile(entry.path());
            for (std::sregex_iterator it(code.begin(), code.end(), literal), end; it != end; ++it) {
                // Escapes (\n, \\, \") stand for characters outside the set or in it anyway.
                addCharacters(chars, platform::fromUtf8((*it)[1].str()));
            }
        }
    }
    return chars;
}

// The names in the reference tables: cities, regions, provinces, scenic spots.
std::set<char32_t> referenceNameCharacters() {
    std::set<char32_t> chars;
    for (const char* file :
         {"provinces.csv", "regions.csv", "system_cities.csv", "scenic_spots.txt"}) {
        std::istringstream lines(readFile(sourceDir() / "res" / "data" / file));
        for (std::string line; std::getline(lines, line);) {
            addCharacters(chars, platform::fromUtf8(line));
        }
    }
    return chars;
}

std::u16string toUtf16(char32_t c) {
    if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
    const char32_t v = c - 0x10000;
    return {static_cast<char16_t>(0xD800 + (v >> 10)), static_cast<char16_t>(0xDC00 + (v & 0x3FF))};
}

bool leavesInk(char32_t c, const ui::FontChoice& font) {
    const int side = font.pixelSize * 3;
    QImage image(side, side, QImage::Format_RGB32);
    {
        ui::Canvas canvas(image, nullptr);
        canvas.fillRect({0, 0, side, side}, ui::kBlack);
        canvas.drawText(toUtf16(c), {font.pixelSize / 2, font.pixelSize / 2, side, side},
                        ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOCLIP, font,
                        ui::kWhite);
    }
    for (int y = 0; y < side; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            if (qGray(row[x]) > 40) return true;
        }
    }
    return false;
}

std::string describe(const std::vector<char32_t>& missing) {
    std::string out;
    for (std::size_t i = 0; i < missing.size() && i < 40; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, " U+%04X ", static_cast<unsigned>(missing[i]));
        out += platform::toUtf8(toUtf16(missing[i])) + code;
    }
    return out;
}

struct FontCase {
    const char* use;
    ui::FontChoice font;
};

// The fonts the screens draw with.
const FontCase kScreenFonts[] = {
    {"dialog text", ui::defaultFont()},
    {"soft keys", {u"", 14, true}},
    {"pop-up entries", {u"", 14, false}},
    {"help text", {u"", 13, false}},
    {"cover caption", {u"", 11, false}},
    {"header band", {u"", 12, true}},
    {"detail temperature", {u"Arial", 40, true, 16}},
    {"three-day detail city name", {u"幼圆", 30, true, 15}},
    {"weekly detail city name", {u"Arial", 30, true, 15}},
    {"highway and chooser lists", {u"Arial", 25, true}},
};

class TextInk : public testing::TestWithParam<FontCase> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "text_ink_test";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
        ASSERT_FALSE(sourceDir().empty()) << "TEVALO_SOURCE_DIR is not set";
        characters_ = productTextCharacters();
        const auto names = referenceNameCharacters();
        characters_.insert(names.begin(), names.end());
        addCharacters(characters_, app::helpText(app::ServiceContacts{}));
    }

    static std::set<char32_t> characters_;
};

std::set<char32_t> TextInk::characters_;

}  // namespace

TEST_P(TextInk, EveryCharacterOfTheProductLeavesInk) {
    // The set is the product's: a broken scan would make this pass vacuously.
    ASSERT_GT(characters_.size(), 1000u);
    ASSERT_TRUE(characters_.count(U'℃'));
    ASSERT_TRUE(characters_.count(U'晴'));
    std::vector<char32_t> missing;
    for (char32_t c : characters_) {
        if (!leavesInk(c, GetParam().font)) missing.push_back(c);
    }
    EXPECT_TRUE(missing.empty()) << missing.size() << " characters without ink in the "
                                 << GetParam().use << " font: " << describe(missing);
}

INSTANTIATE_TEST_SUITE_P(ScreenFonts, TextInk, testing::ValuesIn(kScreenFonts),
                         [](const testing::TestParamInfo<FontCase>& info) {
                             std::string name;
                             for (const char* p = info.param.use; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });
