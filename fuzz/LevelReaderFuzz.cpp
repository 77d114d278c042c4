// libFuzzer target for the level reader. Each input is written to a file and loaded as a level;
// whatever loads must then save and load back to the same objects, so a file that reads but cannot
// be written back faithfully counts as a finding too.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "objects/GameObject.h"
#include "objects/LevelFile.h"

namespace {

std::string TempPath(const char* what) {
    return (std::filesystem::temp_directory_path() /
            ("hollowtide-fuzz-" + std::to_string(getpid()) + "-" + what + ".txt"))
        .string();
}

void ClearStores() {
    InteractableObjects.clear();
    GameObjectList.clear();
    NextObjectId = 0;
}

// The level name is the file's first word, as it is for the shipped levels, so that inputs grown
// from them can reach their terminator.
std::string FirstWord(const std::string& text) {
    const char* blanks = " \t\n\v\f\r";
    size_t start = text.find_first_not_of(blanks);
    if (start == std::string::npos) return "Fuzz";
    size_t end = text.find_first_of(blanks, start);
    return text.substr(start, std::min<size_t>(end - start, 64));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string inputPath = TempPath("input");
    static const std::string savedPath = TempPath("saved");
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ofstream(inputPath, std::ios::binary | std::ios::trunc) << text;

    const std::string levelName = FirstWord(text);
    LoadLevel(levelName, inputPath);
    const size_t loaded = GameObjectList.size();
    if (!SaveLevel(levelName, savedPath)) abort();
    ClearStores();
    if (!LoadLevel(levelName, savedPath) || GameObjectList.size() != loaded) abort();
    ClearStores();
    return 0;
}
