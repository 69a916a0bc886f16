#include "app/shell/IntroText.h"

namespace app {

std::u16string introText() {
    return u"感谢您使用米多晴雨匣！\n"
           u"米多晴雨匣是一款面向手机系统的天气预报软件，为全国2300多个城市提供专业的七天天气预报。"
           u"\n"
           u"* 全国2300多个城市的专业天气预报\n"
           u"* 及时获取最新的天气预报\n"
           u"* 随时把当前天气预报转发给好友\n"
           u"* 在手机桌面上方便地查看天气\n"
           u"* 支持多种系统和平台\n"
           u"更多手机系统的版本即将推出，敬请期待。";
}

}  // namespace app
