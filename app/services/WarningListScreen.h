#pragma once

// The list of the newest warnings of one service (disaster weather or fire):
// fetches new warnings on "更新", announces them with the alert sound, opens,
// deletes and forwards them, and keeps the main menu's unread count.

#include <memory>

#include "app/services/TitleListScreen.h"
#include "app/services/WarningService.h"
#include "platform/media/MediaPlayer.h"

namespace services {

class WarningListScreen : public TitleListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WarningListScreen)

public:
    static constexpr int kSizeFactor = 35;
    static constexpr char16_t kAlertSound[] =
        u"\\Program Files\\tevaloWeather\\tevalo\\Audio\\Windows Notify.wav";

    WarningListScreen(const WarningService& service, app::AppContext& context,
                      platform::ui::CDialog* parent);
    ~WarningListScreen() override;

    void Update();
    void DeleteSelected();

protected:
    std::optional<std::vector<std::u16string>> ListTitles() const override;
    void OpenRow(int row) override;
    void OnCommand(int id) override;
    void OnDestroy() override;

private:
    void announce();
    int& unreadCount() const { return Context().values().*service_.unreadCount; }

    const WarningService& service_;
    std::unique_ptr<platform::MediaPlayer> player_;
};

class CtevaloDisasWeather final : public WarningListScreen {
public:
    CtevaloDisasWeather(app::AppContext& context, platform::ui::CDialog* parent)
        : WarningListScreen(kDisasterWarnings, context, parent) {}
};

class CtevaloFireRemind final : public WarningListScreen {
public:
    CtevaloFireRemind(app::AppContext& context, platform::ui::CDialog* parent)
        : WarningListScreen(kFireWarnings, context, parent) {}
};

}  // namespace services
