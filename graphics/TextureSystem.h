#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/System.h"
#include "graphics/GLTexture.h"

namespace Framework {

// Knows the PNG files of the flat art folder and loads each into a texture the first time it is
// asked for by its bare file name. Textures stay cached until Quit or shutdown. A preload decodes
// the whole folder on worker threads while frames go on; each frame's Update uploads what is ready.
class TextureSystem : public System {
public:
    std::map<std::string, std::shared_ptr<GLTexture>> textures; // key: bare file name
    std::vector<std::string> artFileNames; // sorted byte-wise, so preloads run in a fixed order

    void HandleMessage(const SystemMessage& message) override;
    // Lists "../Resources/Arts": files only, no sub-folders, no names starting with '.'.
    void Initialize() override;
    void Update(float dt) override;
    std::string GetName() override { return "Texture System"; }
    // Releases the cache while the OpenGL context is still current.
    void Shutdown() override;

    // The cached texture for a listed name (loaded on first request, one decode per name). Names
    // are exact and case-sensitive. A listed file that does not decode gives the "empty.png"
    // texture. An unlisted name gives the "empty.png" texture once that has been loaded, and an
    // empty reference before. Callers copy the pointer.
    const std::shared_ptr<GLTexture>& GetTexture(const std::string& fileName);
    void LoadAllTextures();
    // Starts decoding every listed file not yet loaded on worker threads. A GetTexture for one of
    // them waits for its decode (or does it) rather than decoding it twice.
    void StartPreload();
    // Waits for the preload and uploads everything it decoded.
    void FinishPreload();
    bool PreloadRunning() const { return preload != nullptr; }
    // Keys of the cache, byte-wise sorted.
    std::vector<std::string> GetLoadedTextureNames() const;
    // Loads a file chosen by the user by its bare name (the part after the last '/' or '\');
    // the folder is ignored, so a file outside the art folder gives the "empty.png" entry.
    const std::shared_ptr<GLTexture>& LoadTextureFromPath(const std::string& path);

private:
    // Shared with the workers: which files are waiting, being decoded, decoded, or uploaded.
    struct Preload {
        enum State { Waiting, Decoding, Decoded, Taken };
        std::vector<std::string> names;
        std::vector<State> states;
        std::vector<DecodedPng> results;
        unsigned maxSide = 0;
        size_t decodedWaiting = 0; // decoded, not yet taken: bounds the memory held ahead
        size_t taken = 0;
        bool stop = false;
        std::mutex mutex;
        std::condition_variable changed;
    };
    std::shared_ptr<Preload> preload;
    std::vector<std::thread> workers;

    static void DecodeWork(Preload& work, const std::string& folder);
    // Uploads the decoded files (waiting for each not yet decoded when `all`), then ends the
    // preload once every file is in.
    void UploadPreloaded(bool all);
    // The decode of one preloaded name: waits while a worker has it, decodes it here when none
    // started it. False when the name is not part of a running preload.
    bool TakePreloaded(const std::string& fileName, DecodedPng& decoded);
    void StopPreload();
};

extern std::shared_ptr<TextureSystem> textureSystem;

} // namespace Framework
