#include "platform/shell/ProgramStart.h"

#include <QProcess>
#include <filesystem>

#include "platform/device/DevicePath.h"

namespace platform {

bool startProgram(std::u16string_view devicePath) {
    std::filesystem::path program = hostPath(devicePath);
    std::error_code error;
    if (!std::filesystem::exists(program, error) && program.extension() == ".exe") {
        program.replace_extension();
    }
    if (!std::filesystem::is_regular_file(program, error)) return false;
    QProcess process;
    process.setProgram(QString::fromStdString(program.string()));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

}  // namespace platform
