#pragma once

// The list of the ten expressways of the highway weather service; choosing
// one opens its picture screen.

#include <array>
#include <string_view>

#include "app/shell/ShellScreen.h"

class QListWidget;

namespace services {

class CtevaloHighway final : public app::ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloHighway)

public:
    static constexpr int kListId = 1122;
    static constexpr int kBack = 32973;
    static constexpr int kChoose = 32975;
    static const std::array<std::u16string_view, 10> kHighways;

    CtevaloHighway(app::AppContext& context, platform::ui::CDialog* parent);

    QListWidget* List() const;
    // Opens the picture screen of the selected expressway; nothing when none is selected.
    void OpenSelected();

protected:
    bool OnInitDialog() override;
    void OnKeyDown(int vk) override;
    void OnCommand(int id) override;
    void OnSize(int kind, int cx, int cy) override;
    void OnActivate(int state) override;

private:
    void layoutList();
    void selectFirst();

    bool pictureOpen_ = false;
};

}  // namespace services
