// tevalo-home: the phone's home screen with its registered items, in a window of the
// device display's size. "--screenshot FILE" paints it once into a PNG file and ends,
// for runs without a display.

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "hosts/home/HomeScreen.h"
#include "platform/ui/Display.h"
#include "platform/ui/DisplayScale.h"
#include "platform/ui/QtMessageBox.h"

int main(int argc, char** argv) {
    platform::ui::applyDisplayScale("tevalo-home");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype shot = arguments.indexOf(QStringLiteral("--screenshot"));
    if (shot >= 0 && shot + 1 >= arguments.size()) {
        std::fprintf(stderr, "usage: tevalo-home [--screenshot FILE]\n");
        return 2;
    }
    if (shot < 0) platform::ui::QtMessageBox::install();

    const auto display = platform::ui::deviceDisplay();
    home::HomeScreen screen(platform::Registry::forDevice());
    screen.resize(display.width, display.height - display.topMargin);
    if (shot >= 0) {
        screen.reloadItems();
        screen.refresh();
        return screen.grab().save(arguments[shot + 1], "PNG") ? 0 : 1;
    }
    screen.show();
    screen.reloadItems();
    return app.exec();
}
