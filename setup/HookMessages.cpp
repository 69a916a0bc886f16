#include "setup/HookMessages.h"

#include <string>

#include "platform/msgbox/MessageBox.h"

namespace setup {

void attachHost(const tevalo_setup_host* host) {
    if (host == nullptr || host->message_box == nullptr) {
        platform::setMessageBoxHandler({});
        return;
    }
    const tevalo_setup_host copy = *host;
    platform::setMessageBoxHandler([copy](const platform::MessageBoxRequest& request) {
        return copy.message_box(copy.context, request.owner, request.text.c_str(),
                                request.caption.c_str(), request.type);
    });
}

}  // namespace setup
