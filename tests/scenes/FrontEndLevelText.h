#pragma once

#include <sstream>
#include <string>
#include <vector>

// Small level files for the front-end scene tests: each object gets a Transform, optionally a Sprite
// (a button sheet has three rows) and a Button of the given kind.
struct FrontEndObject {
    std::string name;
    int type = 12; // HUD; 18 for buttons
    float x = 0, y = 0, z = 0;
    int buttonType = -1; // no Button component
    bool hasSprite = true;
};

inline FrontEndObject ButtonObject(const std::string& name, int kind, float x, float y) {
    return FrontEndObject{name, 18, x, y, -100, kind, true};
}

inline std::string FrontEndLevelText(const std::string& levelName,
                                     const std::vector<FrontEndObject>& objects) {
    std::ostringstream out;
    out << levelName << "\n\n";
    for (const FrontEndObject& object : objects) {
        out << object.name << "\n" << object.type << "\nnone\n";
        out << "Transform\nposition\n"
            << object.x << "\n"
            << object.y << "\n"
            << object.z << "\nrotate\n0\noriginalscale\n100\n50\n1\nscale\n100\n50\n1\n";
        if (object.hasSprite) {
            const int rows = object.buttonType >= 0 ? 3 : 1;
            out << "Sprite\nblack.png\nempty.png\nTransparency\n1\nNumColumns\n1\nNumRows\n"
                << rows
                << "\nuCoord\n0\nvCoord\n0\nAnimationDelay\n1\nAnimateFlag\n0\nAnimationCount\n-1\nFlipX\n0\n"
                   "FlipY\n0\nColorTint\n1\n1\n1\n";
        }
        if (object.buttonType >= 0) out << "Button\nButtonType\n" << object.buttonType << "\n";
        out << "End\n\n";
    }
    out << "/" << levelName << "\n";
    return out.str();
}
