#include "tests/e2e/ServiceProcess.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>

namespace e2e {

ServiceProcess::ServiceProcess(const std::filesystem::path& logFile, const std::string& clock)
    : logFile_(logFile), clock_(clock) {}

bool ServiceProcess::start(const QProcessEnvironment& environment) {
    program_ = std::make_unique<ChildProgram>(
        QStringLiteral(TEVALO_SERVICE_PROGRAM),
        QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--log"),
                    QString::fromStdString(logFile_.string()), QStringLiteral("--clock"),
                    QString::fromStdString(clock_)},
        environment, logFile_.parent_path() / "service-output.txt");
    if (!program_->start()) return false;
    const auto port = program_->firstLine(std::chrono::seconds(20));
    if (!port || port->empty() || port->find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    hostPort_ = "127.0.0.1:" + *port;
    return true;
}

std::vector<LoggedRequest> ServiceProcess::requests() const {
    std::vector<LoggedRequest> seen;
    std::ifstream log(logFile_);
    for (std::string line; std::getline(log, line);) {
        // The service writes whole lines; a line still being written is read next time.
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line));
        if (!json.isObject()) continue;
        const QJsonObject entry = json.object();
        seen.push_back({entry.value(QStringLiteral("method")).toString().toStdString(),
                        entry.value(QStringLiteral("target")).toString().toStdString(),
                        entry.value(QStringLiteral("status")).toInt(),
                        entry.value(QStringLiteral("agent")).toString().toStdString()});
    }
    return seen;
}

}  // namespace e2e
