#pragma once

// One program of an end-to-end run, started as a real process with its own environment.
// The process is ended when the object goes, so a failed assertion leaves nothing
// running. What it prints goes to a file rather than a pipe: programs it starts detached
// (the application the setup hook starts) inherit that output and must not die of a
// closed pipe once this one has ended.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace e2e {

class ChildProgram final {
public:
    // Output is appended to `outputFile`.
    ChildProgram(QString program, QStringList arguments, const QProcessEnvironment& environment,
                 std::filesystem::path outputFile);
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool start();
    // The first line the program printed on its standard output, waiting at most `wait`.
    std::optional<std::string> firstLine(std::chrono::milliseconds wait);
    // The exit code, or nothing when the program is still running after `wait`.
    std::optional<int> finish(std::chrono::milliseconds wait);
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Asks the program to end (SIGTERM), then kills it when it does not.
    void stop();

    // Everything printed so far, standard output and error interleaved.
    std::string output() const;
    qint64 pid() const { return process_.processId(); }

private:
    QString program_;
    QStringList arguments_;
    std::filesystem::path outputFile_;
    QProcess process_;
};

}  // namespace e2e
