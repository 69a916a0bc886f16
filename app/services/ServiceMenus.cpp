#include "app/services/ServiceMenus.h"

namespace services {

platform::ui::SoftKeyMenu titleListMenu(const TitleListKeys& keys, std::u16string viewCaption,
                                        std::u16string extraCaption) {
    return {keys.menu,
            {keys.back, u"返回", {}},
            {0,
             u"选项",
             {{keys.view, std::move(viewCaption), {}},
              {keys.update, u"更新", {}},
              {keys.remove, u"删除", {}},
              {keys.extra, std::move(extraCaption), {}}}}};
}

platform::ui::SoftKeyMenu forwardingTextMenu(int menu, int back, int forward) {
    return {menu, {back, u"返回", {}}, {forward, u"转发", {}}};
}

}  // namespace services
