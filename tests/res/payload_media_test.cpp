// Checks the pictures, sound and video that the build puts into the payload
// under the names the product opens.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "weather/CodeTables.h"

namespace {

QString payloadFile(const QString& relative) {
    const char* binary = std::getenv("TEVALO_BINARY_DIR");
    return QString::fromUtf8(binary ? binary : ".") + QStringLiteral("/payload/tevalo/") + relative;
}

QImage load(const QString& relative) {
    return QImage(payloadFile(relative));
}

// Every weather picture the code table names, in code order.
std::vector<QString> weatherPictureNames() {
    std::vector<QString> names;
    for (int code = -1; code <= 40; ++code) {
        const std::u16string_view name = weather::weatherKindPicture(code);
        if (!name.empty()) names.push_back(QString::fromStdU16String(std::u16string(name)));
    }
    return names;
}

TEST(WeatherPictures, EveryKindOfTheCodeTableHasASquarePicture) {
    const std::vector<QString> names = weatherPictureNames();
    EXPECT_EQ(names.size(), 31u);
    std::vector<QString> all = names;
    all.push_back(QString::fromStdU16String(std::u16string(weather::kPlaceholderPicture)));
    for (const QString& name : all) {
        const QImage image = load(QStringLiteral("Weather icon/") + name);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.width(), image.height()) << name.toStdString();
        // Drawn up to 100 x 100 in the detail view.
        EXPECT_GE(image.width(), 60) << name.toStdString();
    }
}

TEST(WindPictures, EveryDirectionOfTheCodeTableHasASquarePicture) {
    int count = 0;
    for (int code = -1; code <= 15; ++code) {
        const std::u16string_view name = weather::windDirectionPicture(code);
        if (name.empty()) continue;
        ++count;
        const QImage image = load(QStringLiteral("Wind direction icon/") +
                                  QString::fromStdU16String(std::u16string(name)));
        ASSERT_FALSE(image.isNull()) << code;
        EXPECT_EQ(image.width(), image.height()) << code;
        EXPECT_GE(image.width(), 30) << code;
    }
    EXPECT_EQ(count, 10);
}

// The weekly view draws the weather pictures 30 x 30 on the list background:
// no two kinds may look alike there.
TEST(WeatherPictures, KindsStayDistinctAtThirtyPixels) {
    std::vector<std::pair<QString, QImage>> small;
    for (const QString& name : weatherPictureNames()) {
        QImage shown(30, 30, QImage::Format_RGB32);
        shown.fill(Qt::black);
        QPainter painter(&shown);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, 30, 30), load(QStringLiteral("Weather icon/") + name));
        painter.end();
        small.emplace_back(name, shown);
    }
    for (size_t i = 0; i < small.size(); ++i) {
        for (size_t j = i + 1; j < small.size(); ++j) {
            const QImage& a = small[i].second;
            const QImage& b = small[j].second;
            int differing = 0;
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 30; ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                  std::abs(qBlue(p) - qBlue(q));
                    if (d > 90) ++differing;
                }
            }
            // A few pixels of clearly different colour are what the eye needs.
            EXPECT_GE(differing, 12) << small[i].first.toStdString() << " vs "
                                     << small[j].first.toStdString() << " differ in " << differing;
        }
    }
}

struct FixedPicture {
    const char* path;
    int minWidth;
    int minHeight;
    bool square;
};

class FixedPictures : public ::testing::TestWithParam<FixedPicture> {};

TEST_P(FixedPictures, DecodesLargeEnoughForItsRectangle) {
    const FixedPicture& p = GetParam();
    const QImage image = load(QString::fromUtf8(p.path));
    ASSERT_FALSE(image.isNull()) << p.path;
    EXPECT_GE(image.width(), p.minWidth) << p.path;
    EXPECT_GE(image.height(), p.minHeight) << p.path;
    if (p.square) {
        EXPECT_EQ(image.width(), image.height()) << p.path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainMenu, FixedPictures,
    ::testing::Values(FixedPicture{"TQ.png", 48, 48, true}, FixedPicture{"ZB.png", 48, 48, true},
                      FixedPicture{"DB.png", 48, 48, true}, FixedPicture{"ZYFW.png", 48, 48, true},
                      FixedPicture{"ZHTQ.png", 48, 48, true},
                      FixedPicture{"ZHTQ(GX).png", 48, 48, true},
                      FixedPicture{"TX.png", 48, 48, true},
                      FixedPicture{"TX(GX).png", 48, 48, true},
                      FixedPicture{"ZMSZ.png", 48, 48, true}, FixedPicture{"SZ.png", 48, 48, true},
                      FixedPicture{"BZ.png", 48, 48, true}, FixedPicture{"TMXK.png", 48, 48, true},
                      // Stretched over the full width and the top margin.
                      FixedPicture{"tmd.png", 240, 25, false}));

INSTANTIATE_TEST_SUITE_P(
    Services, FixedPictures,
    ::testing::Values(FixedPicture{"Professional Servicesl icon/Professional_1.png", 48, 48, true},
                      FixedPicture{"Professional Servicesl icon/Professional_2.png", 48, 48, true},
                      FixedPicture{"Professional Servicesl icon/Professional_3.png", 48, 48, true},
                      FixedPicture{"Professional Servicesl icon/Professional_4.png", 48, 48, true},
                      FixedPicture{"Professional Servicesl icon/Professional_6.png", 48, 48, true},
                      // Drawn into (5, 45) up to its own width and height.
                      FixedPicture{"Professional Servicesl icon/Highway/Highway_1.png", 200, 200,
                                   false},
                      FixedPicture{"logo.png", 64, 64, true},
                      FixedPicture{"ZMYXX.png", 16, 16, true},
                      FixedPicture{"ZMWXX.png", 16, 16, true}));

TEST(FixedPictures, BadgedMenuPicturesDifferFromThePlainOnes) {
    EXPECT_NE(load(QStringLiteral("ZHTQ.png")), load(QStringLiteral("ZHTQ(GX).png")));
    EXPECT_NE(load(QStringLiteral("TX.png")), load(QStringLiteral("TX(GX).png")));
    EXPECT_NE(load(QStringLiteral("ZMYXX.png")), load(QStringLiteral("ZMWXX.png")));
}

QByteArray readAll(const QString& relative) {
    QFile file(payloadFile(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Media, AlertSoundIsAPcmWave) {
    const QByteArray wav = readAll(QStringLiteral("Audio/Windows Notify.wav"));
    ASSERT_GT(wav.size(), 1000);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(wav.mid(8, 4), "WAVE");
    EXPECT_EQ(wav.mid(12, 4), "fmt ");
    EXPECT_EQ(static_cast<unsigned char>(wav[20]), 1u) << "PCM format tag";
    EXPECT_TRUE(wav.contains("data"));
}

TEST(Media, HighwayVideoIsASmall3gpFile) {
    const QByteArray video =
        readAll(QStringLiteral("Professional Servicesl icon/Highway/thrway.3gp"));
    ASSERT_GT(video.size(), 1000);
    EXPECT_LT(video.size(), 1024 * 1024);
    EXPECT_EQ(video.mid(4, 4), "ftyp");
    EXPECT_EQ(video.mid(8, 3), "3gp");
}

}  // namespace
