#include "objects/LevelFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>

#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"

Serializer LevelSerializer;

namespace {

namespace fs = std::filesystem;

std::string FileName(const std::string& path) {
    return fs::path(path).filename().string();
}

void Report(const std::string& file, const std::string& what) {
    std::cout << file << ": " << what << std::endl;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// Reads one object record after its name. Returns the finished object, or empty after reporting
// what was wrong.
GameObjectRef ReadObject(Serializer& in, const std::string& file, const std::string& name) {
    const std::string where = "object " + Quoted(name) + ": ";
    int typeValue = 0;
    if (!in.ReadInt(typeValue)) {
        Report(file, where + "missing or malformed object type");
        return nullptr;
    }
    if (typeValue < 0 || typeValue >= ObjectTypeCount) {
        Report(file, where + "unknown object type " + std::to_string(typeValue));
        return nullptr;
    }
    auto object = std::make_shared<GameObject>(name, static_cast<ObjectType>(typeValue), NextObjectId);
    if (!in.ReadWord(object->parentName)) {
        Report(file, where + "file ends before the parent name");
        return nullptr;
    }
    std::string componentName;
    while (true) {
        if (!in.ReadWord(componentName)) {
            Report(file, where + "file ends before 'End'");
            return nullptr;
        }
        if (componentName == "End") return object;
        std::shared_ptr<Component> component = CreateComponent(componentName);
        if (!component) {
            Report(file, where + "unknown component " + Quoted(componentName));
            return nullptr;
        }
        if (!component->Deserialize(in)) {
            Report(file, where + "component " + Quoted(componentName) + " has a missing or malformed field");
            return nullptr;
        }
        component->SetOwner(object.get());
        object->components.push_back(component);
    }
}

// Reads every object up to the terminator. Returns true when the terminator was reached.
bool ReadObjects(Serializer& in, const std::string& levelName, const std::string& file, bool& cameraSeen) {
    std::string word;
    if (!in.ReadWord(word)) {
        Report(file, "file is empty");
        return false;
    }
    const std::string terminator = "/" + levelName;
    while (true) {
        if (!in.ReadWord(word)) {
            Report(file, "file ends before its terminator " + Quoted(terminator));
            return false;
        }
        if (word == terminator) return true;
        GameObjectRef object = ReadObject(in, file, word);
        if (!object) return false;

        if (object->type == ObjectType::Camera) cameraSeen = true;
        auto collider = object->GetComponent<BoxCollider>();
        if (collider && collider->toBeAddedInteractable) InteractableObjects.push_back(object);
        GameObjectList.push_back(object);
        ++NextObjectId;
    }
}

void AddDefaultCamera() {
    auto camera = std::make_shared<GameObject>("Camera", ObjectType::Camera, NextObjectId);
    camera->AddComponent(std::make_shared<Transform>(), ComponentType::Transform);
    camera->AddComponent(std::make_shared<BoxCollider>(1920.0f, 1080.0f), ComponentType::BoxCollider);
    GameObjectList.push_back(camera);
    ++NextObjectId;
}

// Why the list cannot be written so that it reads back the same; empty when it can.
std::string FindUnsavableField(const std::string& levelName) {
    if (!IsStorableWord(levelName)) return "the level name " + Quoted(levelName) + " is not one word";
    const std::string terminator = "/" + levelName;
    for (const auto& object : GameObjectList) {
        if (!object) continue;
        const std::string where = "object " + Quoted(object->name) + ": ";
        if (!IsStorableWord(object->name)) return where + "the name is not one word";
        if (object->name == terminator) return where + "the name is the level's terminator";
        if (!IsStorableWord(object->parentName)) return where + "the parent name is not one word";
        int32_t typeValue = static_cast<int32_t>(object->type);
        if (typeValue < 0 || typeValue >= ObjectTypeCount)
            return where + "unknown object type " + std::to_string(typeValue);
    }
    return "";
}

// Pushes a written file, or a folder's list of names after a rename, out to the disk, so that a
// power cut cannot leave the renamed file empty.
bool SyncToDisk(const std::string& path, bool folder) {
    const int descriptor = open(path.c_str(), folder ? O_RDONLY | O_DIRECTORY : O_WRONLY);
    if (descriptor < 0) return false;
    const bool synced = fsync(descriptor) == 0;
    close(descriptor);
    return synced;
}

} // namespace

bool IsStorableWord(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') return false;
    return true;
}

bool LoadLevel(const std::string& levelName, const std::string& path) {
    Serializer& in = LevelSerializer;
    bool cameraSeen = false;
    bool complete = false;
    // A level that cannot be opened is not reported: the scene simply holds the default camera.
    if (in.OpenRead(path)) complete = ReadObjects(in, levelName, FileName(path), cameraSeen);
    if (!cameraSeen) AddDefaultCamera();
    in.Close();
    return complete;
}

namespace {

// The old file becomes "<name>.bak" in one step, so a save stopped at any moment leaves a whole
// backup: linked (or, where links are not possible, copied) beside it, then renamed over the old one.
void KeepBackup(const std::string& path, std::error_code& error) {
    const std::string backup = path + ".bak", staged = backup + ".tmp";
    fs::remove(staged, error);
    error.clear();
    fs::create_hard_link(path, staged, error);
    if (error) {
        error.clear();
        fs::copy_file(path, staged, fs::copy_options::overwrite_existing, error);
    }
    if (!error) fs::rename(staged, backup, error);
}

} // namespace

bool SaveLevel(const std::string& levelName, const std::string& path, std::string* failure) {
    const std::string file = FileName(path);
    std::string why = FindUnsavableField(levelName);
    const auto fail = [&](const std::string& reason) {
        Report(file, "not saved: " + reason);
        if (failure) *failure = reason;
        return false;
    };
    if (!why.empty()) return fail(why);

    // Written beside the target and renamed over it, so the old level survives any failure here.
    const std::string temporary = path + ".tmp";
    Serializer& out = LevelSerializer;
    if (!out.OpenWrite(temporary)) return fail("cannot write " + Quoted(temporary));
    out.WriteString(levelName + "\n");
    // In id order, which is file order: the scenes keep the list sorted for drawing, and an
    // unchanged level must save byte for byte.
    std::vector<GameObjectRef> objects = GameObjectList;
    std::stable_sort(objects.begin(), objects.end(),
                     [](const GameObjectRef& a, const GameObjectRef& b) { return a && b && a->id < b->id; });
    for (const auto& object : objects) {
        if (!object) continue;
        out.WriteString(object->name);
        out.WriteInt(static_cast<int32_t>(object->type));
        out.WriteString(object->parentName);
        for (const auto& component : object->components) {
            if (!component || component->Serialize(out)) continue;
            why = "object " + Quoted(object->name) + ": component " + Quoted(component->GetTypeName()) +
                  " holds a value that would not read back";
            break;
        }
        if (!why.empty()) break;
        out.WriteString("End");
        out.WriteString("");
    }
    out.WriteString("/" + levelName);
    bool written = out.Flush();
    out.Close();
    written = written && out.Good() && SyncToDisk(temporary, false);
    std::error_code error;
    if (written && why.empty()) {
        if (fs::exists(path, error)) KeepBackup(path, error);
        if (error) why = "cannot keep the old file as " + Quoted(file + ".bak") + ": " + error.message();
    }
    if (written && why.empty()) {
        fs::rename(temporary, path, error);
        if (!error) {
            SyncToDisk(fs::path(path).parent_path().empty() ? "." : fs::path(path).parent_path().string(),
                       true);
            return true;
        }
        why = "cannot replace the file: " + error.message();
    } else if (why.empty()) {
        why = "writing " + Quoted(temporary) + " failed";
    }
    fs::remove(temporary, error); // opened by us above, so it is ours
    return fail(why);
}
