#include "graphics/TextureSystem.h"

#include <algorithm>
#include <filesystem>

namespace Framework {

std::shared_ptr<TextureSystem> textureSystem = std::make_shared<TextureSystem>();

namespace {
const char* const artFolder = "../Resources/Arts";
const std::string fallbackName = "empty.png";
} // namespace

void TextureSystem::HandleMessage(const SystemMessage& message) {
    if (message.id == Quit) textures.clear();
}

void TextureSystem::Initialize() {
    namespace fs = std::filesystem;
    artFileNames.clear();
    std::error_code error;
    // A missing or unreadable folder leaves the list empty: every lookup then falls back.
    for (fs::directory_iterator it(artFolder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.empty() || name[0] == '.' || it->is_directory(typeError)) continue;
        artFileNames.push_back(name);
    }
    std::sort(artFileNames.begin(), artFileNames.end());
}

void TextureSystem::Update(float) {
    timer.Start();
    timer.Stop();
}

void TextureSystem::Shutdown() {
    textures.clear();
}

const std::shared_ptr<GLTexture>& TextureSystem::GetTexture(const std::string& fileName) {
    if (std::find(artFileNames.begin(), artFileNames.end(), fileName) != artFileNames.end()) {
        std::shared_ptr<GLTexture>& entry = textures[fileName];
        // A failed decode is cached too (with texture id 0), so a broken file is reported once;
        // whoever asks for it is shown the placeholder instead.
        if (!entry) entry = std::make_shared<GLTexture>(std::string(artFolder) + "/" + fileName);
        if (entry->textureId == 0 && fileName != fallbackName) {
            const std::shared_ptr<GLTexture>& fallback = GetTexture(fallbackName);
            if (fallback) return fallback;
        }
        return entry;
    }
    // An unknown name must not create an empty "empty.png" entry: that would hide the real
    // placeholder for the rest of the run.
    static const std::shared_ptr<GLTexture> none;
    auto fallback = textures.find(fallbackName);
    return fallback != textures.end() ? fallback->second : none;
}

void TextureSystem::LoadAllTextures() {
    for (const std::string& name : artFileNames) GetTexture(name);
}

std::vector<std::string> TextureSystem::GetLoadedTextureNames() const {
    std::vector<std::string> names;
    names.reserve(textures.size());
    for (const auto& entry : textures) names.push_back(entry.first);
    return names;
}

const std::shared_ptr<GLTexture>& TextureSystem::LoadTextureFromPath(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return GetTexture(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace Framework
