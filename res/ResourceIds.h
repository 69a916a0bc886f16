#pragma once

// Resource identifiers of the application: dialog templates (IDD_), soft-key
// menus (IDR_), commands (ID_) and controls (IDC_). Numbers the screens
// exchange keep the values of the phone program; the few it left open
// (main-menu keys, list commands of the three-day screen, the cover window)
// are this program's own and sit in unused ranges.

namespace res {

// --- Main menu, start-up ----------------------------------------------------
inline constexpr int IDD_TEVALOWEATHER_DIALOG = 102;  // main menu, caption "晴雨匣"
inline constexpr int IDD_LOGO = 103;                  // "LOGO界面"
inline constexpr int IDD_COVER = 104;                 // start-up cover window CtevaloMenu
inline constexpr int IDR_MAINMENU = 105;
inline constexpr int ID_MAINMENU_EXIT = 33045;       // "退出"
inline constexpr int ID_MAINMENU_ENTER = 33046;      // "进入服务"
inline constexpr int ID_MAINMENU_RECOMMEND = 33047;  // "推荐好友"
inline constexpr int ID_NOTICE_SHOW = 100;           // "显示" of the tray notice
inline constexpr int ID_NOTICE_CANCEL = 2;           // "取消" of the tray notice
inline constexpr unsigned kNoticeId = 6535;

// --- First-run wizard ---------------------------------------------------------
inline constexpr int IDD_SETUPWIZARD = 167;
inline constexpr int IDR_SETUPWIZARD = 168;
inline constexpr int ID_SETUPWIZARD_CANCEL = 32892;
inline constexpr int ID_SETUPWIZARD_OK = 32894;
inline constexpr int IDC_CHECK_TODAY = 1112;
inline constexpr int IDC_CHECK_AUTOUPDATE = 1082;
inline constexpr int IDD_SETUPWIZARD_QUERY = 219;
inline constexpr int IDR_SETUPWIZARD_QUERY = 170;
inline constexpr int ID_SETUPQUERY_CANCEL = 32951;
inline constexpr int ID_SETUPQUERY_OK = 32896;
inline constexpr int IDC_SETUPQUERY_EDIT = 1146;
inline constexpr int IDC_SETUPQUERY_BUTTON = 1147;

// --- Three-day list, detail, query --------------------------------------------
inline constexpr int IDD_TEVOWEATHER = 130;  // caption "泰沃天气"
inline constexpr int IDR_TEVOWEATHER = 131;
inline constexpr int ID_TEVO_BACK = 32786;
inline constexpr int ID_TEVO_ADDCITY = 32787;
inline constexpr int ID_TEVO_ADDSCENIC = 32788;
inline constexpr int ID_TEVO_DETAIL = 32789;
inline constexpr int ID_TEVO_SETDEFAULT = 32790;
inline constexpr int ID_TEVO_DELETE = 32791;
inline constexpr int ID_TEVO_UPDATE = 32792;
inline constexpr int ID_TEVO_FORWARD = 32794;
inline constexpr int ID_TEVO_RECOMMEND = 32904;
inline constexpr int IDR_WEEKLY_DETAIL = 134;
inline constexpr int ID_WEEKLY_DETAIL_BACK = 32800;
inline constexpr int ID_WEEKLY_DETAIL_UPDATE = 33014;

// --- Choosers -----------------------------------------------------------------
inline constexpr int IDD_REGIONALCHOOSE = 142;
inline constexpr int IDR_REGIONALCHOOSE = 143;
inline constexpr int ID_REGIONAL_BACK = 32821;
inline constexpr int ID_REGIONAL_CHOOSE = 32818;
inline constexpr int IDC_REGIONAL_LIST = 1086;
inline constexpr int IDD_CITYSCENIC = 144;
inline constexpr int IDR_CITYSCENIC = 145;
inline constexpr int ID_SCENIC_BACK = 32824;
inline constexpr int ID_SCENIC_CHOOSE = 32826;
inline constexpr int IDC_SCENIC_LIST = 1087;
inline constexpr int IDD_REGIONALCHOOSE_WEEKLY = 152;
inline constexpr int IDC_REGIONAL_WEEKLY_LIST = 1089;
inline constexpr int IDD_CITYSCENIC_WEEKLY = 153;
inline constexpr int IDC_SCENIC_WEEKLY_LIST = 1091;
inline constexpr int IDC_WEEKLYQUERY_EDIT = 1140;

// --- Weekly list ----------------------------------------------------------------
inline constexpr int IDR_WEEKLY = 160;
inline constexpr int ID_WEEKLY_BACK = 32867;
inline constexpr int ID_WEEKLY_ADDCITY = 32868;
inline constexpr int ID_WEEKLY_ADDSCENIC = 32869;
inline constexpr int ID_WEEKLY_DETAIL = 32870;
inline constexpr int ID_WEEKLY_DELETE = 32872;
inline constexpr int ID_WEEKLY_UPDATE = 32873;
inline constexpr int ID_WEEKLY_FORWARD = 32874;
inline constexpr int ID_WEEKLY_RECOMMEND = 32901;

// --- On-demand weather -----------------------------------------------------------
inline constexpr int IDR_DEMAND = 164;
inline constexpr int ID_DEMAND_BACK = 32884;
inline constexpr int ID_DEMAND_VIEW = 32885;
inline constexpr int ID_DEMAND_UPDATE = 32886;
inline constexpr int ID_DEMAND_DELETE = 32887;
inline constexpr int ID_DEMAND_SERVICE = 32888;
inline constexpr int IDC_DEMANDQUERY_BUTTON = 1143;
inline constexpr int ID_DEMANDQUERY_BACK = 33016;
inline constexpr int IDR_DEMAND_DETAIL = 184;
inline constexpr int ID_DEMAND_DETAIL_BACK = 32936;

// --- Professional services ---------------------------------------------------------
inline constexpr int IDD_PROFESSIONAL = 148;
inline constexpr int IDR_PROFESSIONAL = 149;
inline constexpr int ID_PROFESSIONAL_BACK = 32831;
inline constexpr int ID_PROFESSIONAL_OK = 32832;

// --- Periodic reports (ten-day, monthly, quarterly) --------------------------------
inline constexpr int IDD_XUENBAO = 174;
inline constexpr int IDR_XUENBAO = 175;
inline constexpr int ID_XUENBAO_BACK = 32911;
inline constexpr int ID_XUENBAO_VIEW = 32912;
inline constexpr int ID_XUENBAO_UPDATE = 32913;
inline constexpr int ID_XUENBAO_DELETE = 32915;
inline constexpr int ID_XUENBAO_MORE = 33037;
inline constexpr int IDD_XUENBAO_INFO = 203;
inline constexpr int IDR_XUENBAO_INFO = 204;
inline constexpr int ID_XUENBAO_INFO_BACK = 32981;
inline constexpr int ID_XUENBAO_INFO_FORWARD = 32983;
inline constexpr int IDD_YUEBAO = 205;
inline constexpr int IDR_YUEBAO = 206;
inline constexpr int ID_YUEBAO_BACK = 32989;
inline constexpr int ID_YUEBAO_VIEW = 32990;
inline constexpr int ID_YUEBAO_UPDATE = 32991;
inline constexpr int ID_YUEBAO_DELETE = 32992;
inline constexpr int ID_YUEBAO_MORE = 33039;
inline constexpr int IDD_YUEBAO_INFO = 207;
inline constexpr int IDR_YUEBAO_INFO = 208;
inline constexpr int ID_YUEBAO_INFO_BACK = 32996;
inline constexpr int ID_YUEBAO_INFO_FORWARD = 32997;
inline constexpr int IDD_JIBAO = 209;
inline constexpr int IDR_JIBAO = 211;
inline constexpr int ID_JIBAO_BACK = 33002;
inline constexpr int ID_JIBAO_VIEW = 33003;
inline constexpr int ID_JIBAO_UPDATE = 33004;
inline constexpr int ID_JIBAO_DELETE = 33005;
inline constexpr int ID_JIBAO_MORE = 33035;
inline constexpr int IDD_JIBAO_INFO = 210;
inline constexpr int IDR_JIBAO_INFO = 212;
inline constexpr int ID_JIBAO_INFO_BACK = 33007;
inline constexpr int ID_JIBAO_INFO_FORWARD = 33010;

// --- Danger report, highway ------------------------------------------------------------
inline constexpr int IDD_DANGER = 191;
inline constexpr int IDR_DANGER = 192;
inline constexpr int ID_DANGER_BACK = 32961;
inline constexpr int ID_DANGER_UPDATE = 32962;
inline constexpr int IDD_HIGHWAY = 197;
inline constexpr int IDR_HIGHWAY = 198;
inline constexpr int ID_HIGHWAY_BACK = 32973;
inline constexpr int ID_HIGHWAY_CHOOSE = 32975;
inline constexpr int IDC_HIGHWAY_LIST = 1122;
inline constexpr int IDD_HIGHWAY_IMAGE = 199;
inline constexpr int IDR_HIGHWAY_IMAGE = 200;
inline constexpr int ID_HIGHWAY_IMAGE_BACK = 32977;
inline constexpr int ID_HIGHWAY_IMAGE_PLAY = 33012;

// --- Disaster and fire warnings ------------------------------------------------------------
inline constexpr int IDD_DISASWEATHER = 135;
inline constexpr int IDR_DISASWEATHER = 136;
inline constexpr int ID_DISAS_VIEW = 32807;
inline constexpr int ID_DISAS_BACK = 32808;
inline constexpr int ID_DISAS_UPDATE = 32809;
inline constexpr int ID_DISAS_DELETE = 32810;
inline constexpr int ID_DISAS_HISTORY = 33024;
inline constexpr int IDD_DISAS_CONTENT = 156;
inline constexpr int IDR_DISAS_CONTENT = 157;
inline constexpr int ID_DISAS_CONTENT_BACK = 32848;
inline constexpr int ID_DISAS_CONTENT_FORWARD = 32849;
inline constexpr int IDD_FIREREMIND = 140;
inline constexpr int IDR_FIREREMIND = 155;
inline constexpr int ID_FIRE_VIEW = 32842;
inline constexpr int ID_FIRE_BACK = 32843;
inline constexpr int ID_FIRE_UPDATE = 32844;
inline constexpr int ID_FIRE_DELETE = 32845;
inline constexpr int ID_FIRE_HISTORY = 33022;
inline constexpr int IDD_FIRE_CONTENT = 158;
inline constexpr int IDR_FIRE_CONTENT = 159;
inline constexpr int ID_FIRE_CONTENT_BACK = 32852;
inline constexpr int ID_FIRE_CONTENT_FORWARD = 32854;

// --- System settings ---------------------------------------------------------------------
inline constexpr int IDD_SYSTEMSET = 137;
inline constexpr int IDR_SYSTEMSET = 139;
inline constexpr int ID_SYSTEMSET_BACK = 32813;
inline constexpr int ID_SYSTEMSET_OK = 32814;
inline constexpr int IDC_SKIN_NAME = 1079;
inline constexpr int IDC_SKIN_SPIN = 1081;
inline constexpr int IDC_AUTOUPDATE = 1082;
inline constexpr int IDC_UPDATE_TIME = 1083;
inline constexpr int IDC_SKIN_LABEL = 1084;
inline constexpr int IDC_TIME_NOTE = 200;

// --- Desktop city --------------------------------------------------------------------------
inline constexpr int IDD_DESKTOPDISPLAY = 187;
inline constexpr int IDR_DESKTOPDISPLAY = 188;
inline constexpr int ID_DESKTOP_CANCEL = 32944;
inline constexpr int ID_DESKTOP_OK = 32948;
inline constexpr int IDC_DESKTOP_SHOW = 1113;
inline constexpr int IDC_DESKTOP_LABEL = 1114;
inline constexpr int IDC_DESKTOP_CITY = 1115;

// --- Help ----------------------------------------------------------------------------------
inline constexpr int IDD_HELP = 138;
inline constexpr int IDR_HELP = 218;
inline constexpr int ID_HELP_BACK = 33018;
inline constexpr int ID_HELP_RECOMMEND = 33042;
inline constexpr int ID_HELP_FEEDBACK = 33044;

}  // namespace res
