#pragma once

#include <ctime>
#include <memory>
#include <sstream>
#include <string>

#include "engine/System.h"
#include "objects/Serializer.h"

namespace Framework {

// Reserves the run's log file in its log folder ("../Logs/" from a build folder), named after the
// time the game started ("20261206-182036.txt"), and keeps it open until the program ends.
class LoggingSystem : public System {
public:
    std::time_t startTime = std::time(nullptr);
    std::stringstream nameStream;
    Serializer logFile;
    std::string logFolder = "../Logs/"; // see RunFolders

    LoggingSystem();
    ~LoggingSystem() override;
    void Initialize() override;
    void Update(float) override {}
    std::string GetName() override { return "Logging System"; }
    void Shutdown() override {}

    // "<logFolder><stem>.txt"
    std::string LogPath() const;
};

extern std::shared_ptr<LoggingSystem> loggingSystem;

} // namespace Framework
