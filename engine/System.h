#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace Framework {

inline int64_t SteadyNowNanoseconds() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// Times one system's update: Start() at the top of Update, Stop() at its end. `elapsed` is then
// the time between the ends of the two latest updates (the performance window shows it).
struct SystemTimer {
    int64_t last = SteadyNowNanoseconds(); // ns, steady clock
    int64_t current = last;                // ns, steady clock
    float elapsed = 0.0f;                  // seconds

    void Start() { last = current; }
    void Stop() {
        current = SteadyNowNanoseconds();
        elapsed = static_cast<float>(static_cast<double>(current - last)) / 1e9f;
        last = current;
    }
};

// 2 and 3 show and hide the performance window (F3 while playing).
enum MessageId : int32_t { Quit = 0, ShowPerformance = 2, HidePerformance = 3 };

struct SystemMessage {
    int32_t id = Quit;
};

// Base of the nine engine systems. Each lives in a global shared pointer created before main()
// runs; a constructor sets only its own fields and touches no other system.
struct System {
    SystemTimer timer;

    virtual void HandleMessage(const SystemMessage&) {}
    virtual void Initialize() {}
    virtual void Update(float dt) = 0; // dt: seconds since the last frame, never clamped
    virtual std::string GetName() = 0;
    virtual ~System() = default;
    virtual void Shutdown() = 0;
    // True when Initialize could not make something the game cannot run without (the window, the
    // OpenGL context). The system has already printed why; the engine stops starting up.
    virtual bool InitializeFailed() const { return false; }
};

} // namespace Framework
