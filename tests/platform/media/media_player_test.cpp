#include <gtest/gtest.h>
#include <QApplication>
#include <QVideoWidget>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/device/DevicePath.h"
#include "platform/media/MediaPlayer.h"
#include "platform/media/RecordingMediaPlayer.h"

namespace fs = std::filesystem;
using platform::MediaEvent;
using platform::MediaLog;

namespace {

// Half a second of 8 kHz mono silence: a file every backend can decode.
void writeWav(const fs::path& file) {
    const uint32_t samples = 4000;
    const uint32_t dataBytes = samples * 2;
    std::ofstream out(file, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (uint32_t i = 0; i < samples; ++i) u16(0);
}

// A device root with the alert sound in its install folder.
class QtMediaPlayerOnDevice : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tevalo-media-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "Program Files/tevaloWeather/tevalo/Audio");
        writeWav(root_ / "Program Files/tevaloWeather/tevalo/Audio/Windows Notify.wav");
        std::ofstream(root_ / "Program Files/tevaloWeather/tevalo/Audio/broken.wav")
            << "not a sound at all";
        platform::setDeviceRoot(root_);
    }
    void TearDown() override {
        platform::setDeviceRoot({});
        fs::remove_all(root_);
    }
    fs::path root_;
};

}  // namespace

// No sound card is needed: the backend plays into nothing when there is none,
// so only opening is checked strictly.
TEST_F(QtMediaPlayerOnDevice, OpensAndStartsTheAlertSound) {
    auto player = platform::makeQtMediaPlayer();
    ASSERT_TRUE(
        player->openAudio(u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\Windows Notify.wav"));
    player->play();
    // Opening again restarts from the beginning on a fresh pipeline.
    ASSERT_TRUE(
        player->openAudio(u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\Windows Notify.wav"));
    player->release();
    player->release();
    EXPECT_FALSE(player->play());
}

TEST_F(QtMediaPlayerOnDevice, RefusesFilesItCannotPlay) {
    auto player = platform::makeQtMediaPlayer();
    EXPECT_FALSE(player->openAudio(u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\missing.wav"));
    EXPECT_FALSE(player->play());
    EXPECT_FALSE(player->openAudio(u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\broken.wav"));
}

TEST_F(QtMediaPlayerOnDevice, VideoWindowLivesInsideTheOwnerUntilRelease) {
    QWidget owner;
    owner.resize(240, 320);
    auto player = platform::makeQtMediaPlayer();
    player->openVideo(u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\Windows Notify.wav", &owner);
    EXPECT_EQ(owner.findChildren<QVideoWidget*>().size(), 1);
    player->release();
    EXPECT_TRUE(owner.findChildren<QVideoWidget*>().isEmpty());
}

TEST_F(QtMediaPlayerOnDevice, OwnerClosedBeforeThePlayerIsReleased) {
    auto player = platform::makeQtMediaPlayer();
    {
        QWidget owner;
        player->openVideo(u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\Windows Notify.wav",
                          &owner);
    }
    player->release();  // must not touch the destroyed video window
}

// The files the product ships, when the build has made them: the real alert
// sound and the highway video open and start on this machine's backend.
TEST_F(QtMediaPlayerOnDevice, ShippedSoundAndVideoOpen) {
    const char* bin = std::getenv("TEVALO_BINARY_DIR");
    const fs::path payload = bin ? fs::path(bin) / "payload/tevalo" : fs::path();
    const fs::path video = payload / "Professional Servicesl icon/Highway/thrway.3gp";
    const fs::path sound = payload / "Audio/Windows Notify.wav";
    if (payload.empty() || !fs::exists(video) || !fs::exists(sound))
        GTEST_SKIP() << "the payload's media are not built";
    const fs::path tevalo = root_ / "Program Files/tevaloWeather/tevalo";
    fs::create_directories(tevalo / "Highway");
    fs::copy_file(video, tevalo / "Highway/thrway.3gp");
    fs::copy_file(sound, tevalo / "Audio/shipped.wav");

    auto player = platform::makeQtMediaPlayer();
    EXPECT_TRUE(player->openAudio(u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\shipped.wav"));
    player->play();
    QWidget owner;
    owner.resize(240, 320);
    ASSERT_TRUE(
        player->openVideo(u"\\Program Files\\tevaloWeather\\tevalo\\Highway\\thrway.3gp", &owner));
    player->play();
    const auto windows = owner.findChildren<QVideoWidget*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0]->pos(), QPoint(0, 0));
    EXPECT_LE(windows[0]->width(), 240);
    EXPECT_LT(windows[0]->height(), 320) << "the soft keys below stay visible";
    player->release();
}

TEST(RecordingMediaPlayer, LogsWhatWasStartedAndReopeningReleasesFirst) {
    MediaLog log;
    auto player = log.factory()();
    EXPECT_FALSE(player->play());
    ASSERT_TRUE(player->openAudio(u"a.wav"));
    ASSERT_TRUE(player->play());
    ASSERT_TRUE(player->openVideo(u"b.3gp", nullptr));
    ASSERT_TRUE(player->play());
    EXPECT_EQ(log.played(), (std::vector<std::u16string>{u"a.wav", u"b.3gp"}));
    EXPECT_EQ(log.events[2].kind, MediaEvent::Kind::Release);
    player.reset();
    EXPECT_EQ(log.events.back().kind, MediaEvent::Kind::Release);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
