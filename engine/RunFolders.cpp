#include "engine/RunFolders.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace Framework {

namespace {

// $<variable>/hollowtide, or ~/<fallback>/hollowtide as the XDG base directories define it; a
// relative value is ignored, as the XDG base-directory rules ask.
fs::path UserFolder(const char* variable, const char* fallback) {
    const char* set = std::getenv(variable);
    if (set && fs::path(set).is_absolute()) return fs::path(set) / "hollowtide";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / fallback / "hollowtide";
}

} // namespace

RunFolders SettleRunFolders() {
    RunFolders folders;
    const std::string program = Platform::ExecutableFolder();
    if (program.empty()) return folders;
    const fs::path data = fs::path(program) / ".." / "share" / "hollowtide" / "Resources";
    std::error_code error;
    if (!fs::is_directory(data, error)) return folders;

    fs::current_path(data, error);
    if (error) {
        std::fprintf(stderr, "Hollowtide: cannot work in %s: %s\n", data.c_str(), error.message().c_str());
        return folders;
    }
    folders.installed = true;
    const fs::path config = UserFolder("XDG_CONFIG_HOME", ".config");
    const fs::path state = UserFolder("XDG_STATE_HOME", ".local/state");
    fs::create_directories(config, error);
    fs::create_directories(state, error);
    folders.settingsFile = (config / "init.ini").string();
    folders.logFolder = state.string() + "/";
    return folders;
}

} // namespace Framework
