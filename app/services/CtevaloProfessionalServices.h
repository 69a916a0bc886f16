#pragma once

// The professional services menu: five large icons in a grid of 80-pixel
// cells, each opening one service (three report kinds, the danger report,
// highway weather).

#include <array>

#include "app/services/ServiceGrid.h"
#include "app/shell/ShellScreen.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Picture.h"

namespace services {

class CtevaloProfessionalServices final : public app::ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloProfessionalServices)

public:
    static constexpr int kEntries = 5;
    static constexpr int kBack = 32831;
    static constexpr int kOpen = 32832;

    CtevaloProfessionalServices(app::AppContext& context, platform::ui::CDialog* parent);

    int Selected() const { return grid_.selected(); }
    // Opens the service of an entry modally and returns when it closes.
    void OpenEntry(int index);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int vk) override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnCommand(int id) override;
    void OnDestroy() override;

private:
    void drawGrid();

    ServiceGrid grid_;
    std::array<platform::ui::Picture, kEntries> icons_;
    platform::ui::Picture frame_;
    platform::ui::Picture bar_;
    platform::ui::Surface gridSurface_;
    int gridWidth_ = -1;
};

}  // namespace services
