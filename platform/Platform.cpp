#include "platform/Platform.h"

#include <SDL.h>
#include <imgui.h>
#include <backends/imgui_impl_sdl.h>

#include <array>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/IcoReader.h"
#include "platform/VirtualKeys.h"

namespace Platform {
namespace {

SDL_Window* ToSdl(WindowHandle window) {
    return reinterpret_cast<SDL_Window*>(window);
}
WindowHandle FromSdl(SDL_Window* window) {
    return reinterpret_cast<WindowHandle>(window);
}

bool useInjectedInput = false;
// Per virtual key: held by a test script, and a press latched from the event stream.
struct KeyState {
    bool injected = false;
    bool pressed = false;
};
std::array<KeyState, 256> keyStates{};
// How many pad controls hold each virtual key down.
std::array<uint8_t, 256> padHeld{};
bool activeWindowOverridden = false;
WindowHandle activeWindowOverride = nullptr;
bool minimised = false;

// Windows virtual-key code -> SDL key code (SDLK_UNKNOWN where the game has no use for it).
// Key codes follow the keyboard layout the way virtual keys do.
const std::array<SDL_Keycode, 256>& KeycodeTable() {
    static const std::array<SDL_Keycode, 256> table = [] {
        std::array<SDL_Keycode, 256> t{};
        t.fill(SDLK_UNKNOWN);
        t[VK::BACK] = SDLK_BACKSPACE;
        t[VK::TAB] = SDLK_TAB;
        t[VK::RETURN] = SDLK_RETURN;
        t[VK::PAUSE] = SDLK_PAUSE;
        t[VK::CAPITAL] = SDLK_CAPSLOCK;
        t[VK::ESCAPE] = SDLK_ESCAPE;
        t[VK::SPACE] = SDLK_SPACE;
        t[VK::PRIOR] = SDLK_PAGEUP;
        t[VK::NEXT] = SDLK_PAGEDOWN;
        t[VK::END] = SDLK_END;
        t[VK::HOME] = SDLK_HOME;
        t[VK::LEFT] = SDLK_LEFT;
        t[VK::UP] = SDLK_UP;
        t[VK::RIGHT] = SDLK_RIGHT;
        t[VK::DOWN] = SDLK_DOWN;
        t[VK::SNAPSHOT] = SDLK_PRINTSCREEN;
        t[VK::INSERT] = SDLK_INSERT;
        t[VK::DELETE_] = SDLK_DELETE;
        for (int i = 0; i < 10; ++i) t[VK::KEY_0 + i] = SDLK_0 + i;
        for (int i = 0; i < 26; ++i) t[VK::KEY_A + i] = SDLK_a + i;
        const SDL_Keycode pad[10] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                     SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
        for (int i = 0; i < 10; ++i) t[VK::NUMPAD0 + i] = pad[i];
        t[VK::MULTIPLY] = SDLK_KP_MULTIPLY;
        t[VK::ADD] = SDLK_KP_PLUS;
        t[VK::SUBTRACT] = SDLK_KP_MINUS;
        t[VK::DECIMAL] = SDLK_KP_PERIOD;
        t[VK::DIVIDE] = SDLK_KP_DIVIDE;
        const SDL_Keycode functionKeys[12] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                                              SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};
        for (int i = 0; i < 12; ++i) t[VK::F1 + i] = functionKeys[i];
        t[VK::NUMLOCK] = SDLK_NUMLOCKCLEAR;
        t[VK::SCROLL] = SDLK_SCROLLLOCK;
        t[VK::LSHIFT] = SDLK_LSHIFT;
        t[VK::RSHIFT] = SDLK_RSHIFT;
        t[VK::LCONTROL] = SDLK_LCTRL;
        t[VK::RCONTROL] = SDLK_RCTRL;
        t[VK::LMENU] = SDLK_LALT;
        t[VK::RMENU] = SDLK_RALT;
        t[VK::OEM_1] = SDLK_SEMICOLON;
        t[VK::OEM_PLUS] = SDLK_EQUALS;
        t[VK::OEM_COMMA] = SDLK_COMMA;
        t[VK::OEM_MINUS] = SDLK_MINUS;
        t[VK::OEM_PERIOD] = SDLK_PERIOD;
        t[VK::OEM_2] = SDLK_SLASH;
        t[VK::OEM_3] = SDLK_BACKQUOTE;
        t[VK::OEM_4] = SDLK_LEFTBRACKET;
        t[VK::OEM_5] = SDLK_BACKSLASH;
        t[VK::OEM_6] = SDLK_RIGHTBRACKET;
        t[VK::OEM_7] = SDLK_QUOTE;
        return t;
    }();
    return table;
}

// A press as SDL reports it: the key code, or minus the mouse button number; 0 when unknown.
int32_t PressCodeOf(uint8_t virtualKey) {
    switch (virtualKey) {
    case VK::LBUTTON:
        return -SDL_BUTTON_LEFT;
    case VK::RBUTTON:
        return -SDL_BUTTON_RIGHT;
    case VK::MBUTTON:
        return -SDL_BUTTON_MIDDLE;
    default:
        return KeycodeTable()[virtualKey];
    }
}

uint8_t VirtualKeyOfPress(int32_t pressCode) {
    if (pressCode == 0) return 0;
    for (int vk = 1; vk < 256; ++vk)
        if (PressCodeOf(static_cast<uint8_t>(vk)) == pressCode) return static_cast<uint8_t>(vk);
    return 0;
}

void LatchPress(int32_t pressCode) {
    if (uint8_t vk = VirtualKeyOfPress(pressCode)) keyStates[vk].pressed = true;
}

void SendCodePoints(const char* utf8, const WindowProcedure& procedure) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s) {
        uint32_t cp = 0;
        int extra = 0;
        if (*s < 0x80)
            cp = *s;
        else if ((*s & 0xE0) == 0xC0)
            cp = *s & 0x1F, extra = 1;
        else if ((*s & 0xF0) == 0xE0)
            cp = *s & 0x0F, extra = 2;
        else if ((*s & 0xF8) == 0xF0)
            cp = *s & 0x07, extra = 3;
        else {
            ++s;
            continue;
        }
        ++s;
        for (; extra > 0 && (*s & 0xC0) == 0x80; --extra, ++s) cp = (cp << 6) | (*s & 0x3F);
        if (extra == 0 && cp >= 1 && cp <= 0xFFFF) procedure({MessageType::Char, static_cast<int>(cp), 0});
    }
}

} // namespace

bool InitVideo() {
    // Alt+Tab must not minimise the game, as a Windows window stays up when it loses focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
    // Without pad support the game still plays with the keys.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::printf("Gamepads are not available: %s\n", SDL_GetError());
    // With no display SDL falls back to drawing off screen: a game nobody can see or close.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (driver && SDL_strcmp(driver, "offscreen") == 0 && !(asked && *asked)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        SDL_SetError("no display found (set DISPLAY or WAYLAND_DISPLAY)");
        return false;
    }
    return true;
}

void QuitVideo() {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

std::string LastError() {
    return SDL_GetError();
}

namespace {

// A window never opens larger than the usable part of its display (the desktop less its panels),
// and a window that had to shrink is centred there.
Rect FitWindow(int display, Rect wanted) {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
        return wanted;
    if (wanted.width <= usable.w && wanted.height <= usable.h) return wanted;
    wanted.width = std::min(wanted.width, usable.w);
    wanted.height = std::min(wanted.height, usable.h);
    wanted.left = usable.x + (usable.w - wanted.width) / 2;
    wanted.top = usable.y + (usable.h - wanted.height) / 2;
    return wanted;
}

} // namespace

WindowHandle CreateGameWindow(const std::string& title, int width, int height) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // No depth buffer on the window: the frames that need one draw offscreen (DepthFramebuffer).
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    const Rect fitted = FitWindow(0, {SDL_WINDOWPOS_UNDEFINED, 0, width, height});
    SDL_Window* window = SDL_CreateWindow(title.c_str(), fitted.left, fitted.top, fitted.width, fitted.height,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    minimised = false;
    if (window) SDL_StartTextInput();
    return FromSdl(window);
}

void DestroyGameWindow(WindowHandle window) {
    if (window) SDL_DestroyWindow(ToSdl(window));
}

Rect GetWindowRect(WindowHandle window) {
    Rect r;
    if (!window) return r;
    SDL_GetWindowPosition(ToSdl(window), &r.left, &r.top);
    SDL_GetWindowSize(ToSdl(window), &r.width, &r.height);
    return r;
}

void EnterDesktopFullscreen(WindowHandle window) {
    if (window) SDL_SetWindowFullscreen(ToSdl(window), SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void LeaveFullscreen(WindowHandle window, const Rect& restore) {
    if (!window) return;
    SDL_Window* w = ToSdl(window);
    SDL_SetWindowFullscreen(w, 0);
    SDL_SetWindowBordered(w, SDL_TRUE);
    SDL_SetWindowResizable(w, SDL_FALSE);
    const Rect fitted = FitWindow(SDL_GetWindowDisplayIndex(w), restore);
    if (fitted.width > 0 && fitted.height > 0) SDL_SetWindowSize(w, fitted.width, fitted.height);
    SDL_SetWindowPosition(w, fitted.left, fitted.top);
}

bool IsDesktopFullscreen(WindowHandle window) {
    return window && (SDL_GetWindowFlags(ToSdl(window)) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                         SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void GetScreenSize(WindowHandle window, int& width, int& height) {
    width = 1920;
    height = 1080;
    int display = window ? SDL_GetWindowDisplayIndex(ToSdl(window)) : 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) == 0 && mode.w > 0 && mode.h > 0) {
        width = mode.w;
        height = mode.h;
    }
}

std::string ExecutableFolder() {
    char* base = SDL_GetBasePath();
    if (!base) return {};
    std::string folder = base;
    SDL_free(base);
    return folder;
}

void ShowCursor(bool visible) {
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}
bool IsCursorVisible() {
    return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
}

void ShowErrorBox(const std::string& caption, const std::string& text, WindowHandle parent) {
    // Under a test harness nobody is there to close a modal box.
    const char* quiet = SDL_getenv("HOLLOWTIDE_NO_MESSAGE_BOXES");
    if ((quiet && *quiet) ||
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), ToSdl(parent)) != 0)
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

bool LoadWindowIcon(WindowHandle window, const std::string& path, int size, bool apply) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    IcoImage image;
    if (!DecodeIco(bytes, size, image)) return false;
    if (apply && window) {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
            image.rgba.data(), image.width, image.height, 32, image.width * 4, SDL_PIXELFORMAT_RGBA32);
        if (!surface) return false;
        SDL_SetWindowIcon(ToSdl(window), surface);
        SDL_FreeSurface(surface);
    }
    return true;
}

namespace {

std::vector<PadBinding> padBindings;
std::vector<std::string> padControlsDown; // controls currently held, on any pad
constexpr Sint16 axisPushed = 16000;      // an axis counts as pushed past this ...
constexpr Sint16 axisReleased = 8000;     // ... and as released back inside this

void ReleasePads() {
    padControlsDown.clear();
    padHeld.fill(0);
}

void SetPadControl(const std::string& control, bool down) {
    auto held = std::find(padControlsDown.begin(), padControlsDown.end(), control);
    if (down == (held != padControlsDown.end())) return;
    if (down)
        padControlsDown.push_back(control);
    else
        padControlsDown.erase(held);
    for (const PadBinding& binding : padBindings) {
        if (binding.control != control) continue;
        for (uint8_t vk : binding.virtualKeys) {
            if (!down) {
                if (padHeld[vk] > 0) --padHeld[vk];
                continue;
            }
            // A pad press latches like a key press: only for the focused game window.
            if (padHeld[vk]++ == 0 && GetActiveWindow()) keyStates[vk].pressed = true;
        }
    }
}

void PadAxis(SDL_GameControllerAxis axis, Sint16 value) {
    const char* name = SDL_GameControllerGetStringForAxis(axis);
    if (!name) return;
    const std::string plus = std::string(name) + "+", minus = std::string(name) + "-";
    if (value > axisPushed) SetPadControl(plus, true);
    if (value < axisReleased) SetPadControl(plus, false);
    if (value < -axisPushed) SetPadControl(minus, true);
    if (value > -axisReleased) SetPadControl(minus, false);
}

void PadEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        // Opened for its events; SDL closes it with the subsystem.
        if (!SDL_GameControllerOpen(event.cdevice.which))
            std::printf("A gamepad could not be opened: %s\n", SDL_GetError());
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(event.cdevice.which))
            SDL_GameControllerClose(pad);
        ReleasePads();
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (const char* name = SDL_GameControllerGetStringForButton(
                static_cast<SDL_GameControllerButton>(event.cbutton.button)))
            SetPadControl(name, event.type == SDL_CONTROLLERBUTTONDOWN);
        break;
    case SDL_CONTROLLERAXISMOTION:
        PadAxis(static_cast<SDL_GameControllerAxis>(event.caxis.axis), event.caxis.value);
        break;
    default:
        break;
    }
}

} // namespace

void SetPadBindings(const std::vector<PadBinding>& bindings) {
    padBindings = bindings;
    ReleasePads();
}

bool IsPadControlName(const std::string& control) {
    if (SDL_GameControllerGetButtonFromString(control.c_str()) != SDL_CONTROLLER_BUTTON_INVALID) return true;
    if (control.size() < 2 || (control.back() != '+' && control.back() != '-')) return false;
    return SDL_GameControllerGetAxisFromString(control.substr(0, control.size() - 1).c_str()) !=
           SDL_CONTROLLER_AXIS_INVALID;
}

void PumpMessages(WindowHandle window, const WindowProcedure& procedure) {
    SDL_Event event;
    const Uint32 ownId = window ? SDL_GetWindowID(ToSdl(window)) : 0;
    const bool guiBound = ImGui::GetCurrentContext() && ImGui::GetIO().BackendPlatformUserData;
    while (SDL_PollEvent(&event)) {
        if (guiBound && event.type != SDL_MOUSEWHEEL) ImGui_ImplSDL2_ProcessEvent(&event);
        switch (event.type) {
        case SDL_QUIT:
            procedure({MessageType::Destroy});
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID != ownId) break;
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                procedure({MessageType::Destroy});
            } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && !minimised) {
                procedure({MessageType::Size, event.window.data1, event.window.data2});
            } else if (event.window.event == SDL_WINDOWEVENT_MINIMIZED) {
                // Windows reports a minimised window as 0 x 0; SDL keeps the old size.
                minimised = true;
                procedure({MessageType::Size, 0, 0});
            } else if (event.window.event == SDL_WINDOWEVENT_RESTORED && minimised) {
                minimised = false;
                int w = 0, h = 0;
                SDL_GetWindowSize(ToSdl(window), &w, &h);
                procedure({MessageType::Size, w, h});
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (event.type == SDL_KEYDOWN && !event.key.repeat && event.key.windowID == ownId &&
                !useInjectedInput)
                LatchPress(event.key.keysym.sym);
            if (event.key.keysym.scancode < 512)
                procedure({event.type == SDL_KEYDOWN ? MessageType::KeyDown : MessageType::KeyUp,
                           static_cast<int>(event.key.keysym.scancode), 0});
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.windowID == ownId && !useInjectedInput) LatchPress(-event.button.button);
            break;
        case SDL_TEXTINPUT:
            SendCodePoints(event.text.text, procedure);
            break;
        case SDL_MOUSEMOTION:
            procedure({MessageType::MouseMove, static_cast<int16_t>(event.motion.x),
                       static_cast<int16_t>(event.motion.y)});
            break;
        case SDL_MOUSEWHEEL: {
            // A purely sideways scroll is a different message on Windows, which the game never handled.
            int y = event.wheel.y;
            if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) y = -y;
            if (y != 0) procedure({MessageType::MouseWheel, y > 0 ? 1 : -1, 0});
            break;
        }
        default:
            PadEvent(event);
            break;
        }
    }
}

bool IsVirtualKeyDown(uint8_t virtualKey) {
    if (padHeld[virtualKey] > 0) return true;
    if (useInjectedInput) return keyStates[virtualKey].injected;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    const int32_t key = PressCodeOf(virtualKey);
    if (key < 0) return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(-key)) != 0;
    if (key == SDLK_UNKNOWN) return false;
    SDL_Scancode scancode = SDL_GetScancodeFromKey(key);
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    return scancode > SDL_SCANCODE_UNKNOWN && scancode < count && state[scancode] != 0;
}

bool TakeVirtualKeyPress(uint8_t virtualKey) {
    const bool pressed = keyStates[virtualKey].pressed;
    keyStates[virtualKey].pressed = false;
    return pressed;
}

WindowHandle GetActiveWindow() {
    if (activeWindowOverridden) return activeWindowOverride;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
    return FromSdl(SDL_GetKeyboardFocus());
}

GLContextHandle CreateGLContext(WindowHandle window) {
    if (!window) return nullptr;
    // 3.1 with no profile bit, as the game always asked for; the driver may hand back more.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
    SDL_GLContext context = SDL_GL_CreateContext(ToSdl(window));
    if (!context) {
        SDL_GL_ResetAttributes();
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        context = SDL_GL_CreateContext(ToSdl(window));
    }
    if (context) {
        SDL_GL_MakeCurrent(ToSdl(window), context);
        // The per-frame steps of the game were tuned at 60 Hz with vsync on.
        SDL_GL_SetSwapInterval(1);
    }
    return context;
}

void DeleteGLContext(GLContextHandle context) {
    if (context) SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
}

void SwapWindow(WindowHandle window) {
    if (window) SDL_GL_SwapWindow(ToSdl(window));
}

bool HasCurrentGLContext() {
    return SDL_GL_GetCurrentContext() != nullptr;
}

void* GetGLProcAddress(const char* name) {
    return SDL_GL_GetProcAddress(name);
}

bool BindGui(WindowHandle window, GLContextHandle context) {
    if (!window || !ImGui::GetCurrentContext()) return false;
    return ImGui_ImplSDL2_InitForOpenGL(ToSdl(window), context);
}

void UnbindGui() {
    if (ImGui::GetCurrentContext() && ImGui::GetIO().BackendPlatformUserData) ImGui_ImplSDL2_Shutdown();
}

void StartGuiFrame() {
    if (ImGui::GetCurrentContext() && ImGui::GetIO().BackendPlatformUserData) ImGui_ImplSDL2_NewFrame();
}

namespace Testing {
void UseInjectedInput(bool enabled) {
    useInjectedInput = enabled;
}
void InjectKey(uint8_t virtualKey, bool down) {
    // Through the same table and latch as a key-down event, which only a focused window receives.
    if (down && !keyStates[virtualKey].injected && GetActiveWindow()) LatchPress(PressCodeOf(virtualKey));
    keyStates[virtualKey].injected = down;
}
void ReleaseAllInjectedKeys() {
    keyStates.fill({});
    ReleasePads();
}
void SetActiveWindowOverride(bool enabled, WindowHandle window) {
    activeWindowOverridden = enabled;
    activeWindowOverride = window;
}
int32_t PressCodeOf(uint8_t virtualKey) {
    return Platform::PressCodeOf(virtualKey);
}
uint8_t VirtualKeyOfPress(int32_t pressCode) {
    return Platform::VirtualKeyOfPress(pressCode);
}
bool PushPadControl(const std::string& control, bool down) {
    if (!IsPadControlName(control)) return false;
    SDL_Event event{};
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(control.c_str());
    if (button != SDL_CONTROLLER_BUTTON_INVALID) {
        event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
        event.cbutton.button = static_cast<Uint8>(button);
    } else {
        event.type = SDL_CONTROLLERAXISMOTION;
        event.caxis.axis = static_cast<Uint8>(
            SDL_GameControllerGetAxisFromString(control.substr(0, control.size() - 1).c_str()));
        event.caxis.value = !down ? 0 : control.back() == '+' ? SDL_JOYSTICK_AXIS_MAX : SDL_JOYSTICK_AXIS_MIN;
    }
    return SDL_PushEvent(&event) == 1;
}
} // namespace Testing

} // namespace Platform
