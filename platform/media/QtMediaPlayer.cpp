#include "platform/media/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>
#include <algorithm>

#include "platform/device/DevicePath.h"

namespace platform {
namespace {

// Long enough for a backend to probe a local file, short enough not to freeze
// the screen when it never answers.
constexpr int kLoadWaitMs = 3000;

bool settled(QMediaPlayer::MediaStatus s) {
    return s != QMediaPlayer::NoMedia && s != QMediaPlayer::LoadingMedia;
}

}  // namespace

std::unique_ptr<MediaPlayer> makeQtMediaPlayer() {
    return std::make_unique<QtMediaPlayer>();
}

QtMediaPlayer::QtMediaPlayer() = default;

QtMediaPlayer::~QtMediaPlayer() {
    release();
}

bool QtMediaPlayer::load(std::u16string_view devicePath) {
    const QString file = QString::fromStdString(hostPath(devicePath).string());
    if (!QFileInfo(file).isReadable()) return false;

    player_ = std::make_unique<QMediaPlayer>();
    audio_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(audio_.get());
    if (video_) player_->setVideoOutput(video_.data());

    QEventLoop wait;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &wait,
                     [&wait](QMediaPlayer::MediaStatus s) {
                         if (settled(s)) wait.quit();
                     });
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, &wait, &QEventLoop::quit);
    player_->setSource(QUrl::fromLocalFile(file));
    if (!settled(player_->mediaStatus()) && player_->error() == QMediaPlayer::NoError) {
        timeout.start(kLoadWaitMs);
        wait.exec();
    }
    // A backend still probing after the wait is given the benefit of the doubt,
    // as the phone accepted partial renders; a refusal is final.
    if (player_->mediaStatus() == QMediaPlayer::InvalidMedia ||
        player_->error() != QMediaPlayer::NoError) {
        release();
        return false;
    }
    return true;
}

bool QtMediaPlayer::openAudio(std::u16string_view devicePath) {
    release();
    return load(devicePath);
}

bool QtMediaPlayer::openVideo(std::u16string_view devicePath, QWidget* owner) {
    release();
    if (owner) video_ = new QVideoWidget(owner);
    if (!load(devicePath)) return false;
    if (video_) {
        // At the top left of the owner in the video's own size (narrowed to the
        // owner), as the phone's renderer placed it; the owner's soft keys
        // below stay visible.
        QSize size = player_->metaData().value(QMediaMetaData::Resolution).toSize();
        const QSize room = owner->size();
        if (!size.isValid() || size.isEmpty()) size = QSize(room.width(), room.width() * 3 / 4);
        if (size.width() > room.width())
            size = QSize(room.width(), size.height() * room.width() / size.width());
        video_->setGeometry(0, 0, size.width(), std::min(size.height(), room.height()));
        video_->show();
    }
    return true;
}

bool QtMediaPlayer::play() {
    if (!player_) return false;
    player_->play();
    return player_->error() == QMediaPlayer::NoError;
}

void QtMediaPlayer::release() {
    if (player_) {
        player_->stop();
        player_->setVideoOutput(static_cast<QObject*>(nullptr));
    }
    player_.reset();
    audio_.reset();
    // The owner may already be gone (and with it the child video window).
    delete video_.data();
    video_.clear();
}

}  // namespace platform
