#pragma once

// A player for one sound or video file at a time: the warning lists play their
// alert sound with it, the highway picture screen its road video. Opening
// releases whatever the player held before, so opening and playing again
// restarts from the beginning. Paths are device paths ("\Program Files\...").

#include <functional>
#include <memory>
#include <string_view>

class QWidget;

namespace platform {

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Loads a sound file. False when the file cannot be read or decoded.
    virtual bool openAudio(std::u16string_view devicePath) = 0;
    // Loads a video file whose picture is shown inside owner (a child window
    // that lives until release()).
    virtual bool openVideo(std::u16string_view devicePath, QWidget* owner) = 0;
    // Starts playing what is open; does not wait for the end.
    virtual bool play() = 0;
    // Stops and forgets the open media; harmless when nothing is open.
    virtual void release() = 0;
};

using MediaPlayerFactory = std::function<std::unique_ptr<MediaPlayer>()>;

// The Qt Multimedia player.
std::unique_ptr<MediaPlayer> makeQtMediaPlayer();

// A player from the process's factory: the Qt player unless a test installed
// another (MediaLog::factory()).
std::unique_ptr<MediaPlayer> createMediaPlayer();
// Installs the factory for the whole process; an empty one restores the Qt
// player. Returns the factory installed before.
MediaPlayerFactory setMediaPlayerFactory(MediaPlayerFactory factory);

}  // namespace platform
