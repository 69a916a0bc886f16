#pragma once

// MediaPlayer over Qt Multimedia. Opening waits (briefly) until the backend has
// either loaded the file or refused it, so a missing or undecodable file is
// reported at open time as the phone's player did.

#include <QPointer>
#include <memory>

#include "platform/media/MediaPlayer.h"

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace platform {

class QtMediaPlayer final : public MediaPlayer {
public:
    QtMediaPlayer();
    ~QtMediaPlayer() override;
    QtMediaPlayer(const QtMediaPlayer&) = delete;
    QtMediaPlayer& operator=(const QtMediaPlayer&) = delete;

    bool openAudio(std::u16string_view devicePath) override;
    bool openVideo(std::u16string_view devicePath, QWidget* owner) override;
    bool play() override;
    void release() override;

private:
    bool load(std::u16string_view devicePath);

    std::unique_ptr<QMediaPlayer> player_;
    std::unique_ptr<QAudioOutput> audio_;
    QPointer<QVideoWidget> video_;
};

}  // namespace platform
