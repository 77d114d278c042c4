#pragma once

#include <filesystem>
#include <string>

// A throw-away game folder: <tmp>/Resources, <tmp>/Logs and <tmp>/run, with the working directory
// moved into run/ so that the game's "../Resources/" paths land inside it. Restores the old
// working directory and deletes everything on destruction.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    std::filesystem::path root() const { return rootPath; }
    std::filesystem::path resources() const { return rootPath / "Resources"; }
    // Writes `text` to Resources/<relative>, creating folders as needed.
    void WriteResource(const std::string& relative, const std::string& text) const;
    // Copies a file or folder from the repository's Resources/ into the sandbox.
    void CopyResource(const std::string& relative) const;
    std::string ReadResource(const std::string& relative) const;

private:
    std::filesystem::path rootPath;
    std::filesystem::path previousDirectory;
};

// The repository's own Resources/ folder.
std::filesystem::path RepositoryResources();
