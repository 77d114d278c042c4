#pragma once

#include <string>

class Component;
struct ImGuiContext;

// A GUI context with no window behind it, for drawing component inspectors in tests.
class HeadlessGui {
public:
    HeadlessGui();
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

    // One GUI frame with the component's inspector open; returns the text it drew.
    std::string InspectorText(Component& component, int objectId);

private:
    ImGuiContext* context;
};
