#include "tests/e2e/ChildProgram.h"

#include <QDeadlineTimer>
#include <fstream>
#include <sstream>
#include <thread>

namespace e2e {

ChildProgram::ChildProgram(QString program, QStringList arguments,
                           const QProcessEnvironment& environment, std::filesystem::path outputFile)
    : program_(std::move(program)),
      arguments_(std::move(arguments)),
      outputFile_(std::move(outputFile)) {
    process_.setProcessEnvironment(environment);
    std::filesystem::create_directories(outputFile_.parent_path());
    std::ofstream(outputFile_, std::ios::trunc);
    const QString file = QString::fromStdString(outputFile_.string());
    process_.setStandardOutputFile(file, QIODevice::Append);
    process_.setStandardErrorFile(file, QIODevice::Append);
}

ChildProgram::~ChildProgram() {
    stop();
}

bool ChildProgram::start() {
    process_.start(program_, arguments_);
    return process_.waitForStarted(10000);
}

std::optional<std::string> ChildProgram::firstLine(std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    for (;;) {
        const std::string text = output();
        const auto end = text.find('\n');
        if (end != std::string::npos) return text.substr(0, end);
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::optional<int> ChildProgram::finish(std::chrono::milliseconds wait) {
    if (process_.state() != QProcess::NotRunning &&
        !process_.waitForFinished(static_cast<int>(wait.count()))) {
        return std::nullopt;
    }
    if (process_.exitStatus() != QProcess::NormalExit) return -1;
    return process_.exitCode();
}

void ChildProgram::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

std::string ChildProgram::output() const {
    std::ifstream in(outputFile_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace e2e
