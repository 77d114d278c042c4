#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "objects/Math.h"
#include "scenes/Scene.h"
#include "tools/FileChooser.h"

class Component;
class GameObject;

// The level editor (scene 4): the level drawn as in play under a menu bar and tool windows.
// Objects are picked and dragged with the mouse, edited through their components' inspectors and
// saved back to the level file. Ctrl+P plays the level inside the editor with the camera on the
// player; Ctrl+S saves.
class Editor : public Scene {
public:
    Editor() : Scene(SceneEditor) {}

    void Load() override;
    void Initialize() override;
    void Update(float dt) override;
    void Draw(mat4 projection, mat4 view) override;

    // Saves the level to its file in the level folder; the "Message" window says how it went.
    bool Save();
    // Leaves the current level and edits `name` from the level folder.
    void OpenLevel(const std::string& name);
    // A mouse position in window pixels (y down) as a point of the 1920 x 1080 view (y up), through
    // the letterbox the view is drawn into.
    static vec2 WindowToView(int mouseX, int mouseY, int windowWidth, int windowHeight);

    std::string levelName = "Level1";    // the file is "../Resources/Level/" + levelName + ".txt"
    std::string filePath = "\\Untitled"; // last path chosen in a file dialog
    bool showInspector = true;           // "Entities" and "Inspector"
    bool showLevelSelection = false;
    bool showCreateObject = false;
    bool showPixelsPerUnit = false;
    bool playing = false;
    bool gizmoHovered = false;
    bool saveMessageVisible = false;
    std::shared_ptr<GameObject> selected;
    std::shared_ptr<GameObject> cameraObject;
    std::map<std::string, int32_t> objectTypeMap;
    std::vector<std::shared_ptr<GameObject>> pendingObjectRemovals;
    // Each with the object it was queued from: the selection may change before the frame ends.
    std::vector<std::pair<std::shared_ptr<GameObject>, std::shared_ptr<Component>>> pendingComponentRemovals;
    vec2 mouseScreen; // view pixels, y up
    vec2 mouseWorld;  // world pixels
    vec2 cameraStartPosition, cameraStartScale;
    vec2 dragOffset, dragStartScale;
    int32_t gizmoMode = 3;         // 0 move, 1 rotate, 2 scale, 3 none
    int32_t dragAxis = 7;          // 0-2 move x, y, free; 3-5 scale x, y, uniform; 6 rotate; 7 none
    float rotateStartAngle = 0.0f; // degrees
    float scaleAspect = 1.0f;
    float messageTimer = 0.0f; // seconds the save message has been shown
    std::string saveMessage;   // "Saved Successful", or why the save failed

private:
    void SetPlaying(bool on);
    void ShowMessage(float dt);
    void ShowMenuBar();
    void ShowFileChooser();
    void ShowNewObjectWindow();
    void ShowLevelSelection();
    void ShowPixelsPerUnit();
    void ShowEntities();
    void ShowEntity(const std::shared_ptr<GameObject>& object, int depth);
    void ShowInspector();
    void RunHandles(bool leftPressed, bool overGui);
    void TrackMouse();
    void MoveCamera(bool overGui);
    void Pick(bool leftPressed, bool overGui);
    void ApplyRemovals();
    void UpdateComponents(float dt);
    void CreateNewLevel(const std::string& path);
    void ReportSave(bool saved, const std::string& failure);

    // The tool windows' values, kept for the whole run.
    std::string newObjectName = "Default";
    std::string newObjectType = "Floor";
    vec3 newObjectPosition;
    vec2 newObjectSize{1.0f, 1.0f};     // units
    float newObjectRotation = 0.0f;     // degrees
    int32_t newObjectPixelsPerUnit = 0; // 0 until the window first opens
    std::string levelNameBuffer;
    int32_t pixelsPerUnit = 64;
    FileChooser chooser;
    vec2 lastMouseScreen; // mouseScreen of the previous frame
};
