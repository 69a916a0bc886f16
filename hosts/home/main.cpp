// tevalo-home: the phone's home screen with its registered items, in a window of the
// device display's size.

#include <QApplication>

#include "hosts/home/HomeScreen.h"
#include "platform/ui/Display.h"
#include "platform/ui/QtMessageBox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::ui::QtMessageBox::install();
    const auto display = platform::ui::deviceDisplay();
    home::HomeScreen screen(platform::Registry::forDevice());
    screen.resize(display.width, display.height - display.topMargin);
    screen.show();
    screen.reloadItems();
    return app.exec();
}
