#pragma once

// What the fuzz targets share: a private folder laid out like the game's (Resources/ beside run/,
// the working folder), so that readers with fixed "../Resources/..." paths read the input there.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

inline std::filesystem::path FuzzRoot() {
    static const std::filesystem::path root = [] {
        std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("hollowtide-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder / "run");
        std::filesystem::create_directories(folder / "Resources" / "Fonts");
        std::filesystem::current_path(folder / "run");
        return folder;
    }();
    return root;
}

// Writes the input to Resources/<relative> and returns the path the game would use for it.
inline std::string WriteInput(const std::string& relative, const uint8_t* data, size_t size) {
    const std::filesystem::path path = FuzzRoot() / "Resources" / relative;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    return "../Resources/" + relative;
}
