#pragma once

#include <string>

#include "objects/Component.h"
#include "objects/Math.h"

// A line of text drawn at its object's position: dialogue lines, hints and labels. A text set with
// SetText stays opaque for 2 seconds, then fades out over 2.5 seconds; it is still drawn after that.
class TextSprite : public Component {
public:
    explicit TextSprite(std::string text = "Default", vec3 color = {1.0f, 1.0f, 1.0f});

    void Initialize() override;
    // dt: seconds. Runs the fade that SetText restarts.
    void Update(float dt) override;
    // False when the text holds a '|' (it ends the stored line) or the font name is not one word.
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override;
    // The text is edited at any length and never takes a '|'.
    void Inspector(int objectId) override;

    // Shows newText fully opaque and restarts the fade.
    void SetText(const std::string& newText);
    std::string GetText() const { return text; }
    // Draws at the owner's Transform position plus `position`; nothing without a Transform.
    void Draw();

    bool repeatOnCollision = false; // the caption may be shown again on every contact
    bool spent = false;             // a one-time caption has been shown (not saved)
    bool onlyOnInteract = false;    // the caption is shown only when the player interacts
    std::string text;
    std::string fontName = "arialbd";
    vec3 position; // offset from the owner's Transform position
    vec3 color;
    float scale = 1.0f; // 1.0 = 48-pixel glyphs
    float alpha = 1.0f;
    float fadeTimer = 0.0f; // seconds since the text was last set
};

// Shows `line` on the text of the object named `objectName` ("Dialogue" is the player's own); nothing
// when there is no such object or it has no text.
void Say(const std::string& objectName, const std::string& line);
