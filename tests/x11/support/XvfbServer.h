#pragma once

// An Xvfb server of its own for one test: it picks a free display number itself
// (-displayfd), so parallel tests never share or guess a display. The server is
// ended, by its process id, when the object goes.

#include <QProcessEnvironment>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/e2e/ChildProgram.h"

namespace x11 {

class XvfbServer final {
public:
    // `outputFile` receives what the server prints.
    explicit XvfbServer(std::filesystem::path outputFile);

    // Starts a 24-bit screen of `width` x `height`; false when no display came up.
    bool start(int width, int height);
    // ":N", for DISPLAY.
    const std::string& name() const { return name_; }
    std::string output() const { return server_ ? server_->output() : std::string(); }

private:
    std::filesystem::path outputFile_;
    std::unique_ptr<e2e::ChildProgram> server_;
    std::string name_;
};

}  // namespace x11
