#pragma once

// A message for the messaging composer, as the phone's composer took it on its
// command line (-service, -to, -body, -subject), kept as separate values so
// that no quote, blank or line break in a text can split or merge arguments.

#include <string>

namespace platform {

struct ComposerMessage {
    std::u16string service = u"SMS";
    std::u16string to;  // empty: the user picks the recipient
    std::u16string body;
    std::u16string subject;  // for SMS, the text of the message itself

    bool operator==(const ComposerMessage&) const = default;
};

// The "sms:" URI handed to the desktop's handler (RFC 5724). An sms: link has
// one body, so the message text is the subject (the phone's composer showed it
// as the SMS text) followed by a line break and the fixed body; either alone
// when the other is empty. Everything is percent-encoded.
std::string composerUri(const ComposerMessage& message);

}  // namespace platform
