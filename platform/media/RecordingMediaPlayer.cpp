#include "platform/media/RecordingMediaPlayer.h"

namespace platform {

std::vector<std::u16string> MediaLog::played() const {
    std::vector<std::u16string> paths;
    std::u16string open;
    for (const MediaEvent& e : events) {
        switch (e.kind) {
            case MediaEvent::Kind::OpenAudio:
            case MediaEvent::Kind::OpenVideo:
                open = e.path;
                break;
            case MediaEvent::Kind::Release:
                open.clear();
                break;
            case MediaEvent::Kind::Play:
                if (!open.empty()) paths.push_back(open);
                break;
        }
    }
    return paths;
}

MediaPlayerFactory MediaLog::factory() {
    return [this] { return std::make_unique<RecordingMediaPlayer>(*this); };
}

RecordingMediaPlayer::~RecordingMediaPlayer() {
    if (!open_.empty()) release();
}

bool RecordingMediaPlayer::open(MediaEvent::Kind kind, std::u16string_view path, QWidget* owner) {
    if (!open_.empty()) release();
    log_.events.push_back({kind, std::u16string(path), owner});
    if (log_.failOpen) return false;
    open_ = path;
    return true;
}

bool RecordingMediaPlayer::openAudio(std::u16string_view devicePath) {
    return open(MediaEvent::Kind::OpenAudio, devicePath, nullptr);
}

bool RecordingMediaPlayer::openVideo(std::u16string_view devicePath, QWidget* owner) {
    return open(MediaEvent::Kind::OpenVideo, devicePath, owner);
}

bool RecordingMediaPlayer::play() {
    if (open_.empty()) return false;
    log_.events.push_back({MediaEvent::Kind::Play, {}, nullptr});
    return !log_.failPlay;
}

void RecordingMediaPlayer::release() {
    log_.events.push_back({MediaEvent::Kind::Release, {}, nullptr});
    open_.clear();
}

}  // namespace platform
