#include <mutex>
#include <utility>

#include "platform/media/MediaPlayer.h"

namespace platform {
namespace {

std::mutex mutex;
MediaPlayerFactory installed;

}  // namespace

std::unique_ptr<MediaPlayer> createMediaPlayer() {
    MediaPlayerFactory factory;
    {
        std::lock_guard lock(mutex);
        factory = installed;
    }
    return factory ? factory() : makeQtMediaPlayer();
}

MediaPlayerFactory setMediaPlayerFactory(MediaPlayerFactory factory) {
    std::lock_guard lock(mutex);
    return std::exchange(installed, std::move(factory));
}

}  // namespace platform
