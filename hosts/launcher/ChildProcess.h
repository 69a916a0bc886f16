#pragma once

// A program the launcher starts and owns: spawned with an argument list (never
// through a shell) and the launcher's environment, with no signals blocked, and
// ended by its process id when the launcher is done with it.

#include <sys/types.h>
#include <string>
#include <vector>

namespace launcher {

class ChildProcess final {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` with `arguments`; with `captureOutput` its standard output
    // is a pipe read through readLine(). False (and `error()`) when it cannot start.
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               bool captureOutput = false);
    // One line of the captured output, waiting at most `timeoutMs`; empty when the
    // program ended or said nothing in time.
    std::string readLine(int timeoutMs);
    // Waits for the program to end; its exit code, or 128 + signal.
    int wait();
    // Reaps the program when it has ended; true then (exitCode() is valid).
    bool ended();
    // SIGTERM, then SIGKILL when it has not ended after `graceMs`; always reaped.
    void stop(int graceMs = 5000);

    pid_t pid() const { return pid_; }
    bool running() const { return pid_ > 0 && !reaped_; }
    int exitCode() const { return exitCode_; }
    const std::string& error() const { return error_; }

private:
    void reap(int status);

    pid_t pid_ = -1;
    int output_ = -1;
    bool reaped_ = false;
    int exitCode_ = -1;
    std::string error_;
    std::string pending_;
};

}  // namespace launcher
