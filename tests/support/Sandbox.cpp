#include "tests/support/Sandbox.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

Sandbox::Sandbox() {
    previousDirectory = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "hollowtide-XXXXXX").string();
    rootPath = mkdtemp(pattern.data());
    fs::create_directories(rootPath / "Resources");
    fs::create_directories(rootPath / "Logs");
    fs::create_directories(rootPath / "run");
    fs::current_path(rootPath / "run");
}

Sandbox::~Sandbox() {
    std::error_code ignored;
    fs::current_path(previousDirectory, ignored);
    fs::remove_all(rootPath, ignored);
}

void Sandbox::WriteResource(const std::string& relative, const std::string& text) const {
    fs::path target = resources() / relative;
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << text;
}

void Sandbox::CopyResource(const std::string& relative) const {
    fs::path target = resources() / relative;
    fs::create_directories(target.parent_path());
    fs::copy(RepositoryResources() / relative, target,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::string Sandbox::ReadResource(const std::string& relative) const {
    std::ifstream file(resources() / relative, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

fs::path RepositoryResources() {
    return fs::path(HOLLOWTIDE_SOURCE_DIR) / "Resources";
}
