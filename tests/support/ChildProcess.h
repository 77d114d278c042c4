#pragma once

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

// Starts a program in a given folder with extra environment variables and arguments, its standard
// output and error captured to files; for tests that run the real game binary.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::string& workingDirectory,
                 const std::map<std::string, std::string>& environment,
                 const std::vector<std::string>& arguments = {});
    ~ChildProcess(); // kills the child if it still runs

    // Waits up to `seconds`; true when the child has exited (its code is then in exitCode()).
    bool WaitForExit(double seconds);
    void Signal(int signal);
    bool IsRunning();
    // The exit code, or -1 when the child was killed by a signal or has not ended.
    int exitCode() const { return code; }
    std::string Output() const;
    std::string Errors() const;

private:
    pid_t pid = -1;
    int code = -1;
    bool ended = false;
    std::string outPath, errPath;
};

// The game binary of the build that runs the tests.
std::string GameBinary();
