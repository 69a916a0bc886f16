// tevaloWeather: the application. One instance per device; the main menu runs
// modally and the program ends when it closes.
//
//   tevaloWeather                      run in a window
//   tevaloWeather --tour DIR           scripted walk, a PNG of every screen into DIR
//   tevaloWeather --first-paint        print the milliseconds from start to the
//                                      first painted main menu, then exit

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/main/AppScreens.h"
#include "app/main/Tour.h"
#include "app/shell/AppContext.h"
#include "app/shell/CtevaloWeatherDlg.h"
#include "platform/device/DevicePath.h"
#include "platform/shell/DesktopShell.h"
#include "platform/shell/SingleInstance.h"
#include "platform/ui/DisplayScale.h"
#include "platform/ui/QtMessageBox.h"
#include "platform/ui/WindowRegistry.h"
#include "platform/window/WindowClass.h"
#include "res/ResourceIds.h"
#include "store/Volumes.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> tour;
    bool firstPaint = false;
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tour") == 0 && i + 1 < argc) {
            o.tour = argv[++i];
        } else if (std::strcmp(argv[i], "--first-paint") == 0) {
            o.firstPaint = true;
        }
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const Options options = parse(argc, argv);
    platform::ui::applyDisplayScale("tevaloWeather");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tevaloWeather"));
    // The program ends when its main menu returns; a hidden main menu with no window
    // left shown (the notice gone) still runs.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QString::fromStdString(
        platform::hostPath(u"\\Program Files\\tevaloWeather\\tevalo\\logo.png").string())));

    platform::SingleInstance instance("tevaloWeather");
    if (!instance.claim()) {
        std::fprintf(stderr,
                     "tevaloWeather: already running on this device; brought it to the front\n");
        return 0;
    }

    platform::ui::QtMessageBox::install();
    platform::DesktopShell shell;
    app::ScreenLauncher launcher;
    app::registerAppScreens(launcher);
    app::AppContext context(store::Volumes::forDevice(), platform::Registry::forDevice(), shell,
                            launcher);

    std::optional<app::Tour> tour;
    if (options.tour) {
        tour.emplace(*options.tour);
        tour->install();
    } else if (options.firstPaint) {
        platform::setMessageBoxHandler(
            [](const platform::MessageBoxRequest& r) { return platform::defaultAnswer(r.type); });
        platform::ui::CDialog::SetOpenObserver([&](platform::ui::CDialog& d) {
            if (d.ClassName() != u"CtevaloWeatherDlg") {
                // A user tapping the logo away at once.
                if (d.IsRunningModal()) d.EndDialog(platform::IDCANCEL);
                return;
            }
            d.repaint();
            std::printf("first-paint-ms %lld\n", static_cast<long long>(sinceStart.elapsed()));
            d.EndDialog(platform::IDOK);
        });
    }

    app::CtevaloWeatherDlg menu(context);
    instance.onActivationRequest([&menu] { menu.SendMessage(platform::ui::DM_REPOSITION, 0, 0); });
    // The uninstaller closes the running application through its window class.
    // Every open screen is ended, the topmost first, as if the user backed out
    // of each; exiting the application's event loops also ends the modal
    // pages (logo, wizard) that run while the main menu is still starting.
    platform::WindowClassServer windowClass(app::kMainMenuCaption, [&] {
        shell.removeNotice(res::kNoticeId);
        auto windows = platform::ui::WindowRegistry::Windows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            if ((*it)->IsRunningModal()) (*it)->EndDialog(platform::IDCANCEL);
        }
        menu.EndDialog(platform::IDOK);
        QCoreApplication::exit(0);
    });
    windowClass.listen();
    menu.DoModal();
    if (tour) std::printf("tour: %d screens saved in %s\n", tour->saved(), options.tour->c_str());
    return 0;
}
