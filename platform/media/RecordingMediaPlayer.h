#pragma once

// Test double of MediaPlayer: records what was opened and played, never makes
// a sound. Several players made by one factory share one log.

#include <memory>
#include <string>
#include <vector>

#include "platform/media/MediaPlayer.h"

namespace platform {

struct MediaEvent {
    enum class Kind { OpenAudio, OpenVideo, Play, Release };
    Kind kind;
    std::u16string path;  // for the open events
    QWidget* owner = nullptr;
    bool operator==(const MediaEvent&) const = default;
};

struct MediaLog {
    std::vector<MediaEvent> events;
    bool failOpen = false;  // every open reports failure
    bool failPlay = false;

    // The paths of the files that were started, in order.
    std::vector<std::u16string> played() const;
    // A factory whose players write into this log; the log must outlive them.
    MediaPlayerFactory factory();
};

class RecordingMediaPlayer final : public MediaPlayer {
public:
    explicit RecordingMediaPlayer(MediaLog& log) : log_(log) {}
    ~RecordingMediaPlayer() override;

    bool openAudio(std::u16string_view devicePath) override;
    bool openVideo(std::u16string_view devicePath, QWidget* owner) override;
    bool play() override;
    void release() override;

private:
    bool open(MediaEvent::Kind kind, std::u16string_view path, QWidget* owner);

    MediaLog& log_;
    std::u16string open_;
};

}  // namespace platform
