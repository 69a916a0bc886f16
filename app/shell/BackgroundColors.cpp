#include "app/shell/BackgroundColors.h"

namespace app {

using platform::ui::rgb;

BackgroundColors backgroundColors(int backgroundNumber) {
    switch (backgroundNumber) {
        case 0:
            return {rgb(16, 77, 122), rgb(66, 107, 139)};
        case 2:
            return {rgb(22, 92, 62), rgb(64, 122, 96)};
        case 3:
            return {rgb(74, 38, 104), rgb(108, 78, 134)};
        default:
            return {rgb(0, 0, 0), rgb(52, 52, 52)};
    }
}

std::u16string skinName(int index) {
    switch (index) {
        case 0:
            return u"青蓝色";
        case 2:
            return u"皮肤三";
        case 3:
            return u"皮肤四";
        default:
            return u"黑色";
    }
}

}  // namespace app
