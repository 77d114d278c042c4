#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/System.h"
#include "graphics/GLTexture.h"

namespace Framework {

// Knows the PNG files of the flat art folder and loads each into a texture the first time it is
// asked for by its bare file name. Textures stay cached until Quit or shutdown.
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
    // Keys of the cache, byte-wise sorted.
    std::vector<std::string> GetLoadedTextureNames() const;
    // Loads a file chosen by the user by its bare name (the part after the last '/' or '\');
    // the folder is ignored, so a file outside the art folder gives the "empty.png" entry.
    const std::shared_ptr<GLTexture>& LoadTextureFromPath(const std::string& path);
};

extern std::shared_ptr<TextureSystem> textureSystem;

} // namespace Framework
