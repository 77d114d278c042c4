#include "engine/LoggingSystem.h"

#include <iomanip>

namespace Framework {

std::shared_ptr<LoggingSystem> loggingSystem = std::make_shared<LoggingSystem>();

LoggingSystem::LoggingSystem() {
    std::tm local{};
    localtime_r(&startTime, &local);
    nameStream << std::put_time(&local, "%Y%m%d-%H%M%S");
}

LoggingSystem::~LoggingSystem() {
    logFile.Close();
}

std::string LoggingSystem::LogPath() const {
    return logFolder + nameStream.str() + ".txt";
}

void LoggingSystem::Initialize() {
    // A missing folder or an unwritable file is not worth stopping the game for.
    logFile.OpenWrite(LogPath());
}

} // namespace Framework
