#include "graphics/TextureSystem.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "platform/Platform.h"

namespace Framework {

std::shared_ptr<TextureSystem> textureSystem = std::make_shared<TextureSystem>();

namespace {
const char* const artFolder = "../Resources/Arts";
const std::string fallbackName = "empty.png";
// Decoded pictures waiting for their upload at most: the workers pause beyond it.
constexpr size_t maxDecodedAhead = 4;
} // namespace

void TextureSystem::HandleMessage(const SystemMessage& message) {
    if (message.id != Quit) return;
    StopPreload();
    textures.clear();
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
    UploadPreloaded(false);
    timer.Stop();
}

void TextureSystem::Shutdown() {
    StopPreload();
    textures.clear();
}

const std::shared_ptr<GLTexture>& TextureSystem::GetTexture(const std::string& fileName) {
    if (std::find(artFileNames.begin(), artFileNames.end(), fileName) != artFileNames.end()) {
        std::shared_ptr<GLTexture>& entry = textures[fileName];
        // A failed decode is cached too (with texture id 0), so a broken file is reported once;
        // whoever asks for it is shown the placeholder instead.
        if (!entry) {
            DecodedPng decoded;
            entry = TakePreloaded(fileName, decoded)
                        ? std::make_shared<GLTexture>(std::move(decoded))
                        : std::make_shared<GLTexture>(std::string(artFolder) + "/" + fileName);
        }
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
    StartPreload();
    FinishPreload();
    for (const std::string& name : artFileNames) GetTexture(name);
}

void TextureSystem::StartPreload() {
    if (preload || !Platform::HasCurrentGLContext()) return;
    auto work = std::make_shared<Preload>();
    for (const std::string& name : artFileNames)
        if (textures.find(name) == textures.end()) work->names.push_back(name);
    if (work->names.empty()) return;
    work->states.assign(work->names.size(), Preload::Waiting);
    work->results.resize(work->names.size());
    work->maxSide = GLTexture::MaxSide();
    preload = work;
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    for (unsigned i = 0; i < count; ++i) workers.emplace_back([work] { DecodeWork(*work, artFolder); });
}

void TextureSystem::FinishPreload() {
    UploadPreloaded(true);
}

void TextureSystem::DecodeWork(Preload& work, const std::string& folder) {
    std::unique_lock<std::mutex> lock(work.mutex);
    for (;;) {
        work.changed.wait(lock, [&] { return work.stop || work.decodedWaiting < maxDecodedAhead; });
        const auto next = std::find(work.states.begin(), work.states.end(), Preload::Waiting);
        if (work.stop || next == work.states.end()) return;
        const size_t i = static_cast<size_t>(next - work.states.begin());
        work.states[i] = Preload::Decoding;
        const std::string path = folder + "/" + work.names[i];
        lock.unlock();
        DecodedPng decoded = DecodedPng::FromFile(path, work.maxSide);
        lock.lock();
        work.results[i] = std::move(decoded);
        work.states[i] = Preload::Decoded;
        ++work.decodedWaiting;
        work.changed.notify_all();
    }
}

void TextureSystem::UploadPreloaded(bool all) {
    while (preload) {
        Preload& work = *preload;
        std::unique_lock<std::mutex> lock(work.mutex);
        if (all)
            work.changed.wait(lock, [&] { return work.decodedWaiting > 0 || work.taken == work.names.size(); });
        const auto ready = std::find(work.states.begin(), work.states.end(), Preload::Decoded);
        if (ready == work.states.end()) {
            const bool done = work.taken == work.names.size();
            lock.unlock();
            if (done) StopPreload();
            return;
        }
        const size_t i = static_cast<size_t>(ready - work.states.begin());
        work.states[i] = Preload::Taken;
        ++work.taken;
        --work.decodedWaiting;
        DecodedPng decoded = std::move(work.results[i]);
        const std::string name = work.names[i];
        work.changed.notify_all();
        lock.unlock();
        textures[name] = std::make_shared<GLTexture>(std::move(decoded));
    }
}

bool TextureSystem::TakePreloaded(const std::string& fileName, DecodedPng& decoded) {
    if (!preload) return false;
    Preload& work = *preload;
    std::unique_lock<std::mutex> lock(work.mutex);
    const auto name = std::find(work.names.begin(), work.names.end(), fileName);
    if (name == work.names.end()) return false;
    const size_t i = static_cast<size_t>(name - work.names.begin());
    if (work.states[i] == Preload::Taken) return false;
    if (work.states[i] == Preload::Waiting) { // nobody started it: decoded here, now
        work.states[i] = Preload::Taken;
        ++work.taken;
        const unsigned maxSide = work.maxSide;
        lock.unlock();
        decoded = DecodedPng::FromFile(std::string(artFolder) + "/" + fileName, maxSide);
        return true;
    }
    work.changed.wait(lock, [&] { return work.states[i] == Preload::Decoded; });
    work.states[i] = Preload::Taken;
    ++work.taken;
    --work.decodedWaiting;
    decoded = std::move(work.results[i]);
    work.changed.notify_all();
    return true;
}

void TextureSystem::StopPreload() {
    if (preload) {
        std::lock_guard<std::mutex> lock(preload->mutex);
        preload->stop = true;
        preload->changed.notify_all();
    }
    for (std::thread& worker : workers) worker.join();
    workers.clear();
    preload.reset();
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
