#pragma once

// The road-weather picture of one expressway with its name and time line;
// "播放" plays the road video inside the screen until it closes.

#include <memory>
#include <string>

#include "app/shell/ShellScreen.h"
#include "platform/media/MediaPlayer.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Picture.h"

namespace services {

class CtevaloHighwayImage final : public app::ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloHighwayImage)

public:
    static constexpr int kBack = 32977;
    static constexpr int kPlay = 33012;
    static constexpr char16_t kPicture[] =
        u"\\Program Files\\tevaloWeather\\tevalo\\Professional Servicesl "
        u"icon\\Highway\\Highway_1.png";
    static constexpr char16_t kVideo[] =
        u"\\Program Files\\tevaloWeather\\tevalo\\Professional Servicesl icon\\Highway\\thrway.3gp";
    static constexpr char16_t kTimeLine[] = u"2009年08月6日 11 : 11";

    CtevaloHighwayImage(app::AppContext& context, platform::ui::CDialog* parent);
    ~CtevaloHighwayImage() override;

    void SetName(std::u16string name) { name_ = std::move(name); }
    // Starts the video from its beginning.
    void Play();

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnCommand(int id) override;
    void OnDestroy() override;

private:
    std::u16string name_;
    platform::ui::Picture picture_;
    platform::ui::Surface page_;
    std::unique_ptr<platform::MediaPlayer> player_;
};

}  // namespace services
