#include "app/settings/CtevaloHelpText.h"

namespace app {

std::u16string helpText(const ServiceContacts& contacts) {
    std::u16string t;
    t += u"  1.使用本软件\n";
    t += u"    米多晴雨匣为全国2300多个城市和风景区提供天气服务：三天及七天天气预报、"
         u"灾害性天气预警、消防提醒，以及专业的天气月报、季报、旬报和高速公路天气预报。\n";
    t += u"    以下操作均可在“选项”菜单中找到：\n";
    t += u"    添加城市：选择“添加城市”，按城市名称（或拼音首字母）查询，也可从列表中选择；\n";
    t += u"    删除城市：选中城市后选择“删除城市”；\n";
    t += u"    "
         u"更新天气：在城市列表中选择“天气更新”可更新全部城市，在城市的详细天气中可单独更新该城市；"
         u"\n";
    t += u"    在“桌面设置”中选择桌面显示的城市，在“系统设置”中设定自动更新时间，"
         u"此后软件将在该时间自动更新天气。\n";
    t += u"  2.版本说明\n";
    t += u"    "
         u"本软件有适用于多种手机系统的版本，各版本功能略有差异（最小屏幕手机的版本没有自动更新和桌"
         u"面显示功能）。"
         u"更新天气会产生数据流量，每个城市约0.1至0.5KB，由网络运营商收取。\n";
    t += u"  3.更新信息\n";
    t += u"    请在“系统设置”中设定自动更新时间；专业服务的内容只能手动更新。\n";
    t += u"  4.客户服务\n";
    t += u"    软件版本：V1.5\n";
    t += u"    支持系统：Windows Mobile 5.0 及以上\n";
    t += u"    客服电话：" + contacts.serviceHotline + u"\n";
    t += u"    客服邮箱：" + contacts.serviceEmail + u"\n";
    t += u"  5.详细帮助\n";
    t += u"    详细的帮助文档请访问：" + contacts.helpPage + u"\n";
    return t;
}

}  // namespace app
