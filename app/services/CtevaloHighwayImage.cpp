#include "app/services/CtevaloHighwayImage.h"

#include <algorithm>

namespace services {

using namespace platform::ui;

CtevaloHighwayImage::CtevaloHighwayImage(app::AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloHighwayImage", context, parent) {}

CtevaloHighwayImage::~CtevaloHighwayImage() = default;

bool CtevaloHighwayImage::OnInitDialog() {
    SetSoftKeys({200, {kBack, u"返回", {}}, {kPlay, u"播放", {}}});
    MakeFullScreen();
    if (!picture_.load(kPicture)) Prompt(u"加载天气图标失败");
    const int pw = picture_.isNull() ? 0 : picture_.width();
    const int ph = picture_.isNull() ? 0 : picture_.height();
    const int side = std::max({width(), height(), 5 + pw, 45 + ph});
    page_.resize(side, side, Colors().background);
    Canvas canvas = page_.canvas();
    canvas.fillRect({0, 0, side, side}, Colors().background);
    canvas.drawText(name_, {30, 5, side, 25}, DT_LEFT | DT_TOP | DT_SINGLELINE, defaultFont(),
                    kWhite);
    canvas.drawText(kTimeLine, {30, 25, side, 45}, DT_LEFT | DT_TOP | DT_SINGLELINE, defaultFont(),
                    kWhite);
    // At its own size below the texts, narrowed to the display when wider (a
    // picture stretched into (5, 45)-(width, height) would lose 45 pixels of
    // height, and vanish when smaller than that).
    const int shownWidth = std::min(pw, std::max(1, width() - 10));
    const int shownHeight = pw > 0 ? ph * shownWidth / pw : 0;
    canvas.drawPicture(picture_, {5, 45, 5 + shownWidth, 45 + shownHeight});
    return true;
}

void CtevaloHighwayImage::OnPaint(Canvas& canvas) {
    canvas.copyFrom(page_, GetClientRect(), 0, 0);
}

void CtevaloHighwayImage::Play() {
    if (!player_) player_ = platform::createMediaPlayer();
    // Opening again rebuilds the player, so a second "播放" starts over.
    if (player_->openVideo(kVideo, this)) player_->play();
}

void CtevaloHighwayImage::OnCommand(int id) {
    if (id == kBack)
        EndDialog(platform::IDCANCEL);
    else if (id == kPlay)
        Play();
}

void CtevaloHighwayImage::OnDestroy() {
    if (player_) player_->release();
    player_.reset();
    picture_.reset();
    ShellScreen::OnDestroy();
}

}  // namespace services
