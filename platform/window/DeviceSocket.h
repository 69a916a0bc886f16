#pragma once

// Local sockets that belong to one device: the single-instance check and the
// window classes.

#include <QString>
#include <string_view>

class QLocalServer;

namespace platform {

// The socket for `role` on the current device: named from the canonical
// device root and the role, so every spelling of one root meets at one socket
// and two devices never share one. It lies in $XDG_RUNTIME_DIR when that is set
// (private to the user, cleared with the session), otherwise in the temporary
// folder.
QString deviceSocketName(std::string_view role);

// Listens on `name`. A socket nobody answers at was left by a process that
// was killed: it is cleared and taken over. False while a live process answers.
bool listenClearingStale(QLocalServer& server, const QString& name);

// True when a process listens on `name` and accepts a connection.
bool socketAnswers(const QString& name);

}  // namespace platform
