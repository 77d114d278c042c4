#include "tools/Editor.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/ShapeTool.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "graphics/TextureSystem.h"
#include "input/InputSystem.h"
#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "tools/DebugSystem.h"

namespace {

using Framework::inputSystem;

const std::string levelFolder = "../Resources/Level/";
constexpr float pi = 3.1415927f;
constexpr float handleLength = 100.0f;  // world pixels from the object's position
constexpr float handleHalfWidth = 7.5f; // half the grab band and half a handle square
const vec3 red{1, 0, 0}, green{0, 1, 0}, cyan{0, 1, 1}, yellow{1, 1, 0};

std::string LevelPath(const std::string& name) {
    return levelFolder + name + ".txt";
}

// The file name of a path without its folder and from its first '.' on.
std::string NameOfPath(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    return file.substr(0, file.find('.'));
}

// A name typed for an object, a parent or a level as the level file can store it: one word, with
// blanks turned into '_'.
std::string StorableName(std::string text) {
    for (char& c : text)
        if (std::isspace(static_cast<unsigned char>(c))) c = '_';
    return text;
}

bool Within(vec2 point, vec2 center, float halfX, float halfY) {
    return std::fabs(point.x - center.x) <= halfX && std::fabs(point.y - center.y) <= halfY;
}

float Degrees(vec2 offset) {
    return std::atan2(offset.y, offset.x) * 180.0f / pi;
}

// Zero would freeze the view and poison every division by the camera's scale.
float Usable(float scale) {
    return scale != 0.0f && std::isfinite(scale) ? scale : 1.0f;
}

ImVec2 Scaled(float x, float y, bool xOnly = false) {
    const float sx = Framework::windowSystem->scaleX, sy = xOnly ? sx : Framework::windowSystem->scaleY;
    return ImVec2(x * sx, y * sy);
}

void PlaceWindow(ImVec2 position, ImVec2 size) {
    ImGui::SetNextWindowPos(position, ImGuiCond_Always);
    ImGui::SetNextWindowSize(size, ImGuiCond_Always);
}

void ApplyTheme() {
    ImGui::StyleColorsDark();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 4.0f;
    style.FrameRounding = 3.0f;
    style.Colors[ImGuiCol_TitleBgActive] = ImVec4(0.16f, 0.24f, 0.34f, 1.0f);
    style.Colors[ImGuiCol_Header] = ImVec4(0.20f, 0.30f, 0.42f, 0.8f);
    style.Colors[ImGuiCol_WindowBg] = ImVec4(0.07f, 0.08f, 0.10f, 0.92f);
}

// Components whose Initialize touches only themselves. The rest (the player, the enemies, the level
// scripts) set up other objects for play (hide the keys, show the newspaper), which an unchanged
// level must not save: they are initialised when play starts.
bool IsScenery(const Component& component) {
    switch (component.componentType) {
    case ComponentType::Transform:
    case ComponentType::Sprite:
    case ComponentType::Rigidbody:
    case ComponentType::TextSprite:
    case ComponentType::BoxCollider:
    case ComponentType::ParticleEmitter:
        return true;
    default:
        return false;
    }
}

void InitializeComponents(bool scenery) {
    for (size_t i = 0; i < GameObjectList.size(); ++i) {
        const GameObjectRef object = GameObjectList[i];
        const std::vector<std::shared_ptr<Component>> components = object->components;
        for (const auto& component : components)
            if (component && IsScenery(*component) == scenery) component->Initialize();
        if (scenery && object->parentName != "none") object->SetParent(object->parentName);
    }
}

} // namespace

vec2 Editor::WindowToView(int mouseX, int mouseY, int windowWidth, int windowHeight) {
    const Platform::Rect fitted = Framework::FitView(windowWidth, windowHeight);
    if (fitted.width <= 0 || fitted.height <= 0) return {};
    const float x = (mouseX - fitted.left) * float(Framework::viewWidth) / fitted.width;
    const float y = (windowHeight - mouseY - fitted.top) * float(Framework::viewHeight) / fitted.height;
    return {x, y};
}

void Editor::Load() {
    LoadLevel(levelName, LevelPath(levelName));
}

void Editor::Initialize() {
    cameraObject = FindObjectByName("Camera");
    objectTypeMap.clear();
    for (int32_t value = 0; value < ObjectTypeCount; ++value) objectTypeMap[ObjectTypeNames[value]] = value;
    InitializeComponents(true);
    // The level shows the world through the inverse of the "Camera" transform; the editor's view
    // applies its camera forwards, so it starts on the same place with the position turned round.
    Framework::Camera& view = *Framework::camera;
    view.SyncFromCameraObject();
    view.position = {-view.scale.x * view.position.x, -view.scale.y * view.position.y, view.position.z};
    if (ImGui::GetCurrentContext()) ApplyTheme();
    Framework::graphicsSystem->editorCameraInactive = false;
    selected.reset();
    pendingObjectRemovals.clear();
    pendingComponentRemovals.clear();
    playing = false;
    showInspector = true;
    gizmoMode = 3;
    dragAxis = 7;
}

void Editor::SetPlaying(bool on) {
    if (on && !playing) InitializeComponents(false);
    playing = on;
    showInspector = !on;
    Framework::graphicsSystem->editorCameraInactive = on;
    if (!cameraObject) return;
    if (on)
        cameraObject->SetParent("Player");
    else
        cameraObject->RemoveParent();
}

bool Editor::Save() {
    std::string failure;
    const bool saved = SaveLevel(levelName, LevelPath(levelName), &failure);
    ReportSave(saved, failure);
    return saved;
}

void Editor::ReportSave(bool saved, const std::string& failure) {
    saveMessageVisible = true;
    messageTimer = 0.0f;
    saveMessage = saved ? "Saved Successful" : "Save failed, the file was not changed: " + failure;
}

void Editor::OpenLevel(const std::string& name) {
    Unload();
    levelName = name;
    if (name == "Level1") GameFlags.currentLevel = 1;
    if (name == "Level2") GameFlags.currentLevel = 2;
    if (name == "Level3") GameFlags.currentLevel = 3;
    Load();
    Initialize();
}

void Editor::ShowMessage(float dt) {
    if (!saveMessageVisible) return;
    messageTimer += dt;
    // A failure stays up longer: it has more to say.
    const bool saved = saveMessage == "Saved Successful";
    if (messageTimer > (saved ? 1.0f : 4.0f)) {
        saveMessageVisible = false;
        messageTimer = 0.0f;
        return;
    }
    if (messageTimer <= 0.0f || !Framework::debugSystem->IsGuiFrameOpen()) return;
    ImGui::SetNextWindowSize(saved ? ImVec2(200, 80) : ImVec2(420, 110), ImGuiCond_Always);
    ImGui::Begin("Message", nullptr, ImGuiWindowFlags_NoCollapse);
    ImGui::TextWrapped("%s", saveMessage.c_str());
    ImGui::End();
}

void Editor::CreateNewLevel(const std::string& path) {
    const std::string previous = levelName;
    Unload();
    levelName = "CreateNewLevel";
    Load();
    Initialize();
    std::string failure;
    const bool saved = SaveLevel(NameOfPath(path), path, &failure);
    ReportSave(saved, failure);
    Unload();
    levelName = saved ? NameOfPath(path) : previous;
    Load();
    Initialize();
}

void Editor::ShowFileChooser() {
    std::string path;
    const std::string purpose = chooser.Title();
    if (!chooser.Show(path)) return;
    filePath = path;
    if (purpose == "Load Level")
        OpenLevel(NameOfPath(path));
    else if (purpose == "Save As") {
        std::string failure;
        const bool saved = SaveLevel(NameOfPath(path), path, &failure);
        ReportSave(saved, failure);
    } else if (purpose == "New Level")
        CreateNewLevel(path);
    else if (purpose == "Load Texture")
        Framework::textureSystem->LoadTextureFromPath(path);
}

void Editor::ShowMenuBar() {
    if (!ImGui::BeginMainMenuBar()) return;
    if (ImGui::BeginMenu("New/Load")) {
        // The name is asked for first: a cancelled dialog leaves the level as it is.
        if (ImGui::MenuItem("New Level...")) chooser.Open("New Level", levelFolder, ".txt", true);
        if (ImGui::MenuItem("Load Level...")) chooser.Open("Load Level", levelFolder, ".txt", false);
        ImGui::EndMenu();
    }
    if (levelName != "Editor") {
        if (ImGui::BeginMenu("Menu")) {
            if (ImGui::MenuItem("Save As...")) chooser.Open("Save As", levelFolder, ".txt", true);
            if (ImGui::MenuItem("Load Texture..."))
                chooser.Open("Load Texture", "../Resources/Arts/", ".png", false);
            if (ImGui::MenuItem("Load All Textures")) Framework::textureSystem->LoadAllTextures();
            ImGui::EndMenu();
        }
        if (ImGui::BeginMenu("Test Level")) {
            if (ImGui::MenuItem("Play Level")) SetPlaying(true);
            if (ImGui::MenuItem("Pause")) SetPlaying(false);
            ImGui::EndMenu();
        }
    }
    ImGui::EndMainMenuBar();
}

void Editor::ShowNewObjectWindow() {
    if (newObjectPixelsPerUnit == 0) {
        std::shared_ptr<Transform> first =
            GameObjectList.empty() ? nullptr : ComponentOf<Transform>(GameObjectList[0]);
        newObjectPixelsPerUnit =
            first && first->pixelsPerUnit > 0 ? static_cast<int32_t>(first->pixelsPerUnit) : 64;
    }
    PlaceWindow(Scaled(600, 20, true), Scaled(450, 400, true));
    ImGui::Begin("New Game Object", &showCreateObject);
    ImGui::Text("ID = %d", NextObjectId);
    ImGui::InputText("Object Name", &newObjectName);
    if (ImGui::Button("Type")) ImGui::OpenPopup("ObjectTypes");
    ImGui::SameLine();
    ImGui::TextUnformatted(newObjectType.c_str());
    if (ImGui::BeginPopup("ObjectTypes")) {
        for (const auto& [name, value] : objectTypeMap)
            if (ImGui::Selectable(name.c_str())) newObjectType = name;
        ImGui::EndPopup();
    }
    ImGui::Separator();
    ImGui::TextUnformatted("Transform");
    ImGui::InputFloat3("Object Position", &newObjectPosition.x);
    ImGui::InputFloat2("Object Size", &newObjectSize.x);
    ImGui::InputFloat("Object Rotation", &newObjectRotation);
    const std::string name = StorableName(newObjectName);
    if (ImGui::Button("Create Game Object") && !name.empty()) {
        const auto type = objectTypeMap.find(newObjectType);
        const float ppu = static_cast<float>(newObjectPixelsPerUnit);
        auto object = std::make_shared<GameObject>(
            name, static_cast<ObjectType>(type == objectTypeMap.end() ? 0 : type->second), NextObjectId);
        auto transform = std::make_shared<Transform>(newObjectPosition, newObjectSize * ppu);
        object->AddComponent(transform, ComponentType::Transform);
        transform->pixelsPerUnit = static_cast<uint32_t>(newObjectPixelsPerUnit);
        transform->positionInUnits = newObjectPosition / ppu;
        transform->scaleInUnits = {newObjectSize.x, newObjectSize.y, 1.0f};
        transform->rotation = newObjectRotation * pi / 180.0f;
        GameObjectList.push_back(object);
        ++NextObjectId;
    }
    if (name.empty()) ImGui::TextUnformatted("An object needs a name");
    ImGui::End();
}

void Editor::ShowLevelSelection() {
    PlaceWindow(Scaled(1100, 20), Scaled(300, 100));
    ImGui::Begin("Level Selection", &showLevelSelection);
    bool load = ImGui::InputText("##LevelName", &levelNameBuffer, ImGuiInputTextFlags_EnterReturnsTrue);
    load = ImGui::Button("Load Level") || load;
    // Only a plain name: the level is read from the level folder and nowhere else.
    const std::string name = StorableName(levelNameBuffer);
    if (load && FileChooser::IsPlainName(name)) {
        levelNameBuffer.clear();
        OpenLevel(name);
    }
    ImGui::End();
}

void Editor::ShowPixelsPerUnit() {
    PlaceWindow(Scaled(250, 20), Scaled(300, 100));
    ImGui::Begin("Pixel Per Unit Selection", &showPixelsPerUnit);
    int32_t value = pixelsPerUnit;
    if (ImGui::InputInt("Pixels Per Unit", &value, 16, 100, ImGuiInputTextFlags_EnterReturnsTrue) &&
        value >= 1) {
        pixelsPerUnit = value;
        for (const auto& object : GameObjectList) {
            std::shared_ptr<Transform> transform = ComponentOf<Transform>(object);
            if (!transform) continue;
            transform->pixelsPerUnit = static_cast<uint32_t>(value);
            transform->positionInUnits = transform->position / static_cast<float>(value);
        }
    }
    ImGui::End();
}

void Editor::ShowEntity(const std::shared_ptr<GameObject>& object, int depth) {
    if (!object || depth > 32) return;
    if (depth > 0) ImGui::Indent(depth * 12.0f);
    if (ImGui::Selectable((object->name + "##" + std::to_string(object->id)).c_str(), object == selected)) {
        selected = object;
        if (std::shared_ptr<Transform> transform = ComponentOf<Transform>(object)) {
            Framework::Camera& view = *Framework::camera;
            view.position.x = -(view.scale.x * transform->position.x);
            view.position.y = -(view.scale.y * transform->position.y);
        }
    }
    if (depth > 0) ImGui::Unindent(depth * 12.0f);
    for (const auto& child : object->children) ShowEntity(child, depth + 1);
}

void Editor::ShowEntities() {
    PlaceWindow(Scaled(0, 20), Scaled(200, 1000));
    ImGui::Begin("Entities");
    for (const auto& object : GameObjectList)
        if (object && !object->hasParent) ShowEntity(object, 0);
    ImGui::End();
}

void Editor::ShowInspector() {
    PlaceWindow(Scaled(1500, 20), Scaled(420, 1000));
    ImGui::Begin("Inspector");
    if (!selected) {
        ImGui::End();
        return;
    }
    const int id = selected->id;
    const std::string suffix = std::to_string(id);
    std::string name = selected->name;
    if (ImGui::InputText(("Name##" + suffix).c_str(), &name,
                         ImGuiInputTextFlags_EnterReturnsTrue | ImGuiInputTextFlags_AutoSelectAll) &&
        !StorableName(name).empty())
        selected->name = StorableName(name);
    const int32_t typeValue = static_cast<int32_t>(selected->type);
    ImGui::Text("Type: %s", typeValue >= 0 && typeValue < ObjectTypeCount ? ObjectTypeNames[typeValue] : "");
    std::string parent = selected->parentName;
    if (ImGui::InputText(("Parent##" + suffix).c_str(), &parent, ImGuiInputTextFlags_EnterReturnsTrue) &&
        !StorableName(parent).empty())
        selected->SetParent(StorableName(parent));
    if (ImGui::Button(("Remove Parent##" + suffix).c_str())) selected->RemoveParent();
    // By index and held by copy: an inspector may add or drop components.
    const std::vector<std::shared_ptr<Component>> components = selected->components;
    for (const auto& component : components)
        if (component) component->Inspector(id);
    if (selected->name != "Camera") {
        if (ImGui::Button(("Add Component##" + suffix).c_str())) ImGui::OpenPopup("AddComponent");
        if (ImGui::BeginPopup("AddComponent")) {
            for (const auto& [componentName, type] : ComponentTypeByName())
                if (ImGui::Selectable(componentName.c_str()))
                    selected->AddComponent(CreateComponent(componentName), type);
            ImGui::EndPopup();
        }
        if (ImGui::Button(("Remove Component##" + suffix).c_str())) ImGui::OpenPopup("RemoveComponent");
        if (ImGui::BeginPopup("RemoveComponent")) {
            for (size_t i = 0; i < components.size(); ++i)
                if (components[i] &&
                    ImGui::Selectable((components[i]->GetTypeName() + "##" + std::to_string(i)).c_str()))
                    pendingComponentRemovals.emplace_back(selected, components[i]);
            ImGui::EndPopup();
        }
        if (ImGui::Button(("Remove Object##" + suffix).c_str())) {
            pendingObjectRemovals.push_back(selected);
            selected.reset();
        }
    }
    ImGui::End();
}

void Editor::RunHandles(bool leftPressed, bool overGui) {
    gizmoHovered = false;
    std::shared_ptr<Transform> transform = ComponentOf<Transform>(selected);
    if (!transform || gizmoMode == 3) {
        dragAxis = 7;
        return;
    }
    const bool held = inputSystem->IsKeyDown(Key::MouseLeft);
    const vec2 p{transform->position.x, transform->position.y}, m = mouseWorld;
    const bool press = leftPressed && !overGui;
    const auto line = [](vec2 a, vec2 b, const vec3& color) {
        shapeTool->DrawLine({a.x, a.y, 0}, {b.x, b.y, 0}, color);
    };
    const auto hover = [this](bool over, const vec3& color) {
        gizmoHovered = gizmoHovered || over;
        return over ? yellow : color;
    };
    if (!held || dragAxis == 7) {
        dragAxis = 7;
        const bool onCentre = Within(m, p, handleHalfWidth, handleHalfWidth);
        const bool onX = m.x >= p.x + handleHalfWidth && m.x <= p.x + handleLength &&
                         std::fabs(m.y - p.y) <= handleHalfWidth;
        const bool onY = m.y >= p.y + handleHalfWidth && m.y <= p.y + handleLength &&
                         std::fabs(m.x - p.x) <= handleHalfWidth;
        if (gizmoMode == 0) {
            line(p + vec2{0, handleHalfWidth}, p + vec2{0, handleLength}, hover(onY && !onCentre, red));
            line(p + vec2{handleHalfWidth, 0}, p + vec2{handleLength, 0}, hover(onX && !onCentre, green));
            shapeTool->DrawSquare({p.x, p.y, 0}, 2 * handleHalfWidth, hover(onCentre, cyan));
            if (press && onCentre)
                dragAxis = 2, dragOffset = m - p;
            else if (press && onX)
                dragAxis = 0, dragOffset = {m.x - p.x, 0};
            else if (press && onY)
                dragAxis = 1, dragOffset = {0, m.y - p.y};
        } else if (gizmoMode == 1) {
            const bool onCircle = Length(m - p) <= handleLength;
            shapeTool->DrawCircle({p.x, p.y, 0}, handleLength, hover(onCircle, red));
            if (press && onCircle) dragAxis = 6, rotateStartAngle = Degrees(m - p);
        } else if (gizmoMode == 2) {
            const vec2 xEnd = p + vec2{handleLength + handleHalfWidth, 0},
                       yEnd = p + vec2{0, handleLength + handleHalfWidth};
            const bool onXEnd = Within(m, xEnd, handleHalfWidth, handleHalfWidth);
            const bool onYEnd = Within(m, yEnd, handleHalfWidth, handleHalfWidth);
            line(p, p + vec2{0, handleLength}, red);
            line(p, p + vec2{handleLength, 0}, green);
            shapeTool->DrawSquare({yEnd.x, yEnd.y, 0}, 2 * handleHalfWidth, hover(onYEnd, red));
            shapeTool->DrawSquare({xEnd.x, xEnd.y, 0}, 2 * handleHalfWidth, hover(onXEnd, green));
            shapeTool->DrawSquare({p.x, p.y, 0}, 2 * handleHalfWidth, hover(onCentre, cyan));
            const int32_t axis = onXEnd ? 3 : onYEnd ? 4 : onCentre ? 5 : 7;
            if (press && axis != 7) {
                dragAxis = axis;
                dragStartScale = {transform->scale.x, transform->scale.y};
                scaleAspect = dragStartScale.x != 0.0f ? dragStartScale.y / dragStartScale.x : 1.0f;
                dragOffset = m - p;
            }
        }
    }
    if (!held || dragAxis == 7) return;
    const float scaledX = m.x - p.x - dragOffset.x + dragStartScale.x;
    switch (dragAxis) {
    case 0:
        transform->SetPosition(m.x - dragOffset.x, p.y);
        break;
    case 1:
        transform->SetPosition(p.x, m.y - dragOffset.y);
        break;
    case 2:
        transform->SetPosition(m.x - dragOffset.x, m.y - dragOffset.y);
        break;
    case 3:
        transform->SetScale(scaledX, dragStartScale.y);
        break;
    case 4:
        transform->SetScale(dragStartScale.x, m.y - p.y - dragOffset.y + dragStartScale.y);
        break;
    case 5:
        transform->SetScale(scaledX, scaleAspect * scaledX);
        break;
    case 6: {
        // Turns by the angle swept since the last frame, so the turn follows the mouse.
        const float angle = Degrees(m - p);
        transform->rotation += (angle - rotateStartAngle) * pi / 180.0f;
        rotateStartAngle = angle;
        transform->upToDate = false;
        break;
    }
    default:
        break;
    }
}

void Editor::TrackMouse() {
    Framework::Camera& view = *Framework::camera;
    cameraStartPosition = {view.position.x, view.position.y};
    cameraStartScale = view.scale;
    const int width = Framework::windowSystem->width, height = Framework::windowSystem->height;
    if (width <= 0 || height <= 0) return;
    mouseScreen = WindowToView(inputSystem->mouseX, inputSystem->mouseY, width, height);
    const vec2 centred = mouseScreen - vec2{Framework::viewWidth / 2.0f, Framework::viewHeight / 2.0f};
    mouseWorld = {(centred.x - view.position.x) / Usable(view.scale.x),
                  (centred.y - view.position.y) / Usable(view.scale.y)};
}

void Editor::MoveCamera(bool overGui) {
    if (overGui) return;
    Framework::Camera& view = *Framework::camera;
    // The point under the mouse stays under it while the middle button drags the view.
    if (inputSystem->IsKeyDown(Key::MouseMiddle)) {
        view.position.x = cameraStartPosition.x + (mouseScreen.x - lastMouseScreen.x);
        view.position.y = cameraStartPosition.y + (mouseScreen.y - lastMouseScreen.y);
    }
    const float wheel = ImGui::GetCurrentContext() ? ImGui::GetIO().MouseWheel * 0.07f : 0.0f;
    if (wheel == 0.0f) return;
    for (int axis = 0; axis < 2; ++axis) {
        const float start = axis == 0 ? cameraStartScale.x : cameraStartScale.y;
        const float position = axis == 0 ? cameraStartPosition.x : cameraStartPosition.y;
        (axis == 0 ? view.scale.x : view.scale.y) = std::max(0.1f, start + wheel);
        (axis == 0 ? view.position.x : view.position.y) = position + position * wheel / Usable(start);
    }
}

void Editor::Pick(bool leftPressed, bool overGui) {
    if (overGui || !leftPressed || gizmoHovered) return;
    std::shared_ptr<GameObject> best;
    float bestZ = 0.0f;
    for (const auto& object : GameObjectList) {
        std::shared_ptr<Transform> t = ComponentOf<Transform>(object);
        if (!t || !Within(mouseWorld, {t->position.x, t->position.y}, t->scale.x / 2, t->scale.y / 2))
            continue;
        if (!best || t->position.z > bestZ) best = object, bestZ = t->position.z;
    }
    if (best) selected = best;
}

void Editor::ApplyRemovals() {
    for (const auto& object : pendingObjectRemovals) {
        if (!object) continue;
        object->RemoveParent();
        for (const auto& child : std::vector<std::shared_ptr<GameObject>>(object->children))
            child->RemoveParent();
        InteractableObjects.erase(std::remove(InteractableObjects.begin(), InteractableObjects.end(), object),
                                  InteractableObjects.end());
        auto found = std::find(GameObjectList.begin(), GameObjectList.end(), object);
        if (found == GameObjectList.end()) continue;
        std::swap(*found, GameObjectList.back());
        GameObjectList.pop_back();
        if (object == selected) selected.reset();
        if (object == cameraObject) cameraObject.reset();
    }
    for (const auto& [owner, component] : pendingComponentRemovals) {
        auto& held = owner->components;
        auto found = std::find(held.begin(), held.end(), component);
        if (found != held.end()) held.erase(found);
    }
    pendingObjectRemovals.clear();
    pendingComponentRemovals.clear();
}

void Editor::UpdateComponents(float dt) {
    if (playing) {
        UpdateObjects(dt);
        return;
    }
    for (size_t i = 0; i < GameObjectList.size(); ++i) {
        const GameObjectRef object = GameObjectList[i];
        if (auto transform = object->GetComponent<Transform>()) transform->Update(dt);
        if (auto box = object->GetComponent<BoxCollider>()) box->Update(dt);
        // Held on the stored frame: the frame an animation shows is saved with the level.
        if (auto sprite = object->GetComponent<Sprite>()) sprite->Update(0.0f);
        auto particles = object->GetComponent<ParticleEmitter>();
        if (particles && particles->playState) particles->Update(dt);
    }
}

void Editor::Update(float dt) {
    const bool gui = Framework::debugSystem->IsGuiFrameOpen();
    // Typing into a text field must not also work the editor's letter keys.
    const bool typing = gui && ImGui::GetIO().WantTextInput;
    const bool overGui = gui && ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow);
    const bool leftPressed = inputSystem->IsKeyTriggered(Key::MouseLeft);
    lastMouseScreen = mouseScreen;
    TrackMouse();

    ShowMessage(dt);
    if (inputSystem->IsKeyDown(Key::LeftCtrl) && inputSystem->IsKeyTriggered(Key::Letter('S'))) Save();
    if ((inputSystem->IsKeyDown(Key::LeftCtrl) || inputSystem->IsKeyDown(Key::RightCtrl)) &&
        inputSystem->IsKeyTriggered(Key::Letter('P')))
        SetPlaying(!playing);
    if (gui) {
        ShowMenuBar();
        ShowFileChooser();
        if (!playing && showCreateObject) ShowNewObjectWindow();
        if (!playing && showLevelSelection) ShowLevelSelection();
        if (!playing && showPixelsPerUnit) ShowPixelsPerUnit();
    }
    if (inputSystem->IsKeyTriggered(Key::F1 + 3)) showLevelSelection = !showLevelSelection;
    if (levelName == "Editor") return;
    if (inputSystem->IsKeyTriggered(Key::F1 + 1)) showInspector = !showInspector;
    if (inputSystem->IsKeyTriggered(Key::F1 + 2)) showCreateObject = !showCreateObject;
    if (inputSystem->IsKeyTriggered(Key::F1 + 5)) showPixelsPerUnit = !showPixelsPerUnit;
    gizmoHovered = false;
    if (!playing) {
        if (!typing) {
            if (inputSystem->IsKeyTriggered(Key::Letter('W')))
                gizmoMode = 0;
            else if (inputSystem->IsKeyTriggered(Key::Letter('E')))
                gizmoMode = 2;
            else if (inputSystem->IsKeyTriggered(Key::Letter('R')))
                gizmoMode = 1;
            else if (inputSystem->IsKeyTriggered(Key::Letter('Q')))
                gizmoMode = 3;
        }
        RunHandles(leftPressed, overGui);
    }
    if (gui && showInspector && !playing) {
        ShowEntities();
        ShowInspector();
    }
    MoveCamera(overGui);
    Pick(leftPressed, overGui);
    ApplyRemovals();
    UpdateComponents(dt);
}

void Editor::Draw(mat4 projection, mat4 view) {
    shapeTool->DrawAxes();
    for (const GameObjectRef& object : GameObjectList) {
        // HUD objects are the game's screen overlays (the black of a fade, the pause menu): over the
        // world they would only hide it.
        if (!object || object->type == ObjectType::HUD) continue;
        if (std::shared_ptr<TextSprite> text = object->GetComponent<TextSprite>()) text->Draw();
        if (std::shared_ptr<Sprite> sprite = object->GetComponent<Sprite>()) sprite->Draw(projection, view);
        if (std::shared_ptr<ParticleEmitter> particles = object->GetComponent<ParticleEmitter>())
            particles->Draw(projection, view);
    }
    // The scene system empties every queue after the scene has drawn.
    if (gizmoMode != 3) shapeTool->DrawBatches();
    shapeTool->DrawUniformBatches();
}
