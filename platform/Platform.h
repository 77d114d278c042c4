#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The one door to the operating system. Everything above this layer speaks in the terms the game
// was designed with (a window handle, virtual-key codes, "the active window", a window procedure);
// only the files in this folder know that SDL2 sits underneath.
namespace Platform {

struct WindowTag;
using WindowHandle = WindowTag*; // empty (nullptr) when there is no window
using GLContextHandle = void*;

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Video and events. InitVideo prints nothing; LastError() says why it failed.
bool InitVideo();
void QuitVideo();
std::string LastError();

// A captioned, non-resizable window with an OpenGL surface; nullptr on failure.
WindowHandle CreateGameWindow(const std::string& title, int width, int height);
void DestroyGameWindow(WindowHandle window);

// Client position and size (what leaving full screen restores).
Rect GetWindowRect(WindowHandle window);
// Borderless, the size of the screen the window is on; the desktop mode is never changed.
void EnterDesktopFullscreen(WindowHandle window);
void LeaveFullscreen(WindowHandle window, const Rect& restore);
bool IsDesktopFullscreen(WindowHandle window);
// Size of the desktop the window is on (1920 x 1080 when it cannot be asked).
void GetScreenSize(WindowHandle window, int& width, int& height);

// The folder the running program lies in, with a trailing '/'; empty when it cannot be told.
std::string ExecutableFolder();

void ShowCursor(bool visible);
bool IsCursorVisible();
// An error box; without a display the text goes to standard error instead.
void ShowErrorBox(const std::string& caption, const std::string& text, WindowHandle parent);
// Loads the entry of `size` pixels from an .ico file. With `apply` it also becomes the window's icon.
bool LoadWindowIcon(WindowHandle window, const std::string& path, int size, bool apply);

// What the window procedure receives. Sizes and positions are client pixels.
enum class MessageType { Destroy, Size, KeyDown, KeyUp, Char, MouseMove, MouseWheel };
struct WindowMessage {
    MessageType type = MessageType::Destroy;
    int a = 0; // Size: width; KeyDown/KeyUp: scan code (below 512); Char: code point; MouseMove: x;
               // MouseWheel: +1 or -1
    int b = 0; // Size: height; MouseMove: y
};
using WindowProcedure = std::function<void(const WindowMessage&)>;

// Drains the event queue, handing each message to `procedure` (the window procedure).
void PumpMessages(WindowHandle window, const WindowProcedure& procedure);

// Keyboard and mouse buttons by Windows virtual-key code (VK_*), read from the live state the last
// pump left behind. Codes the table does not know are never down.
bool IsVirtualKeyDown(uint8_t virtualKey);
// True when the pump has seen the key or button go down (repeats aside) in the game window since
// the last call, even if it is up again: a tap shorter than a frame is not lost. Several presses
// between two calls count as one.
bool TakeVirtualKeyPress(uint8_t virtualKey);
// The window with keyboard focus, or nullptr.
WindowHandle GetActiveWindow();

// OpenGL 3.1 is asked for first, with a legacy context as the fallback; nullptr on failure.
GLContextHandle CreateGLContext(WindowHandle window);
void DeleteGLContext(GLContextHandle context);
void SwapWindow(WindowHandle window);
bool HasCurrentGLContext();
void* GetGLProcAddress(const char* name);

// The GUI library's own SDL backend. BindGui needs a current GUI context; from then on the pump also
// hands every event but the wheel to the GUI (the wheel reaches it through the input system).
bool BindGui(WindowHandle window, GLContextHandle context);
void UnbindGui();
// The backend's part of starting a GUI frame: display size, time, mouse.
void StartGuiFrame();

// Test hooks: scripted key state and a scripted answer to "which window is active".
// Gamepads, through SDL's game-controller API: every pad plugged in, now or later. Each control
// of a pad ("a", "start", "dpleft", "leftx-", "righttrigger+", ...) holds down the virtual keys
// bound to it, so a pad plays exactly as the keys do, and the keyboard can be used in turn.
struct PadBinding {
    std::string control;
    std::vector<uint8_t> virtualKeys;
};
// Replaces every binding; releases whatever the pads held.
void SetPadBindings(const std::vector<PadBinding>& bindings);
// Whether the pad layer knows a control of this name.
bool IsPadControlName(const std::string& control);

namespace Testing {
void UseInjectedInput(bool enabled); // while enabled, only injected keys are ever down
// A key that goes down is latched as a press the way a key-down event is, while a window is active.
void InjectKey(uint8_t virtualKey, bool down);
void ReleaseAllInjectedKeys(); // and forgets latched presses
void SetActiveWindowOverride(bool enabled, WindowHandle window);
// How a press of a virtual key arrives from SDL (its key code, or minus the mouse button number;
// 0 for codes the table does not know), and the virtual key such a press is latched as (0: none).
int32_t PressCodeOf(uint8_t virtualKey);
uint8_t VirtualKeyOfPress(int32_t pressCode);
// Queues the event a pad sends when `control` moves ("a" down, "leftx+" pushed fully right, ...),
// for the next message pump; false for an unknown control.
bool PushPadControl(const std::string& control, bool down);
} // namespace Testing

} // namespace Platform
