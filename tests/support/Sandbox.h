#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The repository's own Resources/ folder.
inline std::filesystem::path RepositoryResources() {
    return std::filesystem::path(HOLLOWTIDE_SOURCE_DIR) / "Resources";
}

// A throw-away game folder: <tmp>/Resources, <tmp>/Logs and <tmp>/run, with the working directory
// moved into run/ so that the game's "../Resources/" paths land inside it. Restores the old
// working directory and deletes everything on destruction.
class Sandbox {
public:
    Sandbox() {
        std::string pattern = (std::filesystem::temp_directory_path() / "hollowtide-XXXXXX").string();
        rootPath = mkdtemp(pattern.data());
        for (const char* folder : {"Resources", "Logs", "run"})
            std::filesystem::create_directories(rootPath / folder);
        std::filesystem::current_path(rootPath / "run");
    }
    ~Sandbox() {
        std::error_code ignored;
        std::filesystem::current_path(previousDirectory, ignored);
        std::filesystem::remove_all(rootPath, ignored);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    std::filesystem::path root() const { return rootPath; }
    std::filesystem::path resources() const { return rootPath / "Resources"; }
    // Writes `text` to Resources/<relative>, creating folders as needed.
    void WriteResource(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((resources() / relative).parent_path());
        std::ofstream(resources() / relative, std::ios::binary) << text;
    }
    // Copies a file or folder from the repository's Resources/ into the sandbox.
    void CopyResource(const std::string& relative) const {
        std::filesystem::create_directories((resources() / relative).parent_path());
        std::filesystem::copy(RepositoryResources() / relative, resources() / relative,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }
    std::string ReadResource(const std::string& relative) const {
        std::stringstream text;
        text << std::ifstream(resources() / relative, std::ios::binary).rdbuf();
        return text.str();
    }

private:
    std::filesystem::path rootPath, previousDirectory = std::filesystem::current_path();
};
