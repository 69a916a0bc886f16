#include "app/main/Tour.h"

#include <QTimer>
#include <cstdio>

#include "app/shell/CtevaloWeatherDlg.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/text/Utf.h"
#include "platform/ui/CDialog.h"

namespace app {

using platform::ui::CDialog;

Tour::Tour(std::filesystem::path folder) : folder_(std::move(folder)) {}

void Tour::install() {
    std::filesystem::create_directories(folder_);
    platform::setMessageBoxHandler([](const platform::MessageBoxRequest& r) {
        std::printf("message: %s\n", platform::toUtf8(r.text).c_str());
        return platform::defaultAnswer(r.type);
    });
    CDialog::SetOpenObserver([this](CDialog& d) { opened(d); });
}

void Tour::save(CDialog& dialog, const QString& label) {
    dialog.PaintNow();
    const QImage shot = dialog.grab().toImage();
    const QString name =
        QStringLiteral("%1-%2.png").arg(++saved_, 2, 10, QLatin1Char('0')).arg(label);
    const auto path = folder_ / name.toStdString();
    shot.save(QString::fromStdString(path.string()), "PNG");
    std::printf("screen: %s\n", path.c_str());
}

void Tour::opened(CDialog& dialog) {
    const QString cls = QString::fromStdU16String(dialog.ClassName());
    if (cls == QLatin1String("CtevaloWeatherDlg")) {
        walkMainMenu(dialog);
        return;
    }
    if (cls == QLatin1String("CtevaloMenu")) return;  // the cover shows under the logo
    // The lists are shown with fresh forecasts from the service.
    if (cls == QLatin1String("CtevaloTeVoWeather") || cls == QLatin1String("CtevalWeeklyWeather")) {
        dialog.PressCommand(u"天气更新");
    }
    save(dialog, cls);
    if (!dialog.IsRunningModal()) return;
    if (cls.startsWith(QLatin1String("CtevaloSetupWizard"))) {
        dialog.PressSoftKey(platform::ui::SoftKeyBar::Key::Right);  // "确定"
    }
    if (dialog.IsRunningModal()) dialog.EndDialog(platform::IDCANCEL);
}

void Tour::walkMainMenu(CDialog& menu) {
    save(menu, QStringLiteral("CtevaloWeatherDlg"));
    // Open each item in turn from the grid, as Enter on the selected item does.
    auto& m = static_cast<CtevaloWeatherDlg&>(menu);
    const int columns = m.Grid().columns();
    for (int i = 0; i < MainMenuGrid::kItems; ++i) {
        for (int guard = 0; m.Selected() != i && guard < 20; ++guard) {
            const int at = m.Selected();
            if (at / columns < i / columns)
                m.KeyDown(platform::ui::VK_DOWN);
            else if (at % columns < i % columns)
                m.KeyDown(platform::ui::VK_RIGHT);
            else
                m.KeyDown(platform::ui::VK_LEFT);
        }
        m.KeyDown(platform::ui::VK_RETURN);
    }
    menu.PressSoftKey(platform::ui::SoftKeyBar::Key::Right);
    save(menu, QStringLiteral("options-menu"));
    menu.PressSoftKey(platform::ui::SoftKeyBar::Key::Right);
    menu.EndDialog(platform::IDOK);
}

}  // namespace app
