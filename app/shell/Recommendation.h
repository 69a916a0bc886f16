#pragma once

// The fixed composer messages of the program: recommending it to a friend and
// sending feedback to the service.

#include "app/shell/ServiceContacts.h"
#include "platform/shell/ComposerMessage.h"

namespace app {

// Recipient empty, body "米多晴雨匣", the invitation with the download address.
platform::ComposerMessage recommendMessage(std::u16string_view wapSite);
// To the feedback number, body "意见反馈", empty subject.
platform::ComposerMessage feedbackMessage(const ServiceContacts& contacts);

}  // namespace app
