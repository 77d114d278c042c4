#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Runs a program in a folder with extra environment variables (an empty value unsets one) and
// arguments, its standard output and error captured to files there; killed on destruction if running.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::string& workingDirectory,
                 const std::map<std::string, std::string>& environment,
                 const std::vector<std::string>& arguments = {})
        : folder(workingDirectory) {
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        pid = fork();
        if (pid != 0) return;
        if (chdir(folder.c_str()) != 0) _exit(127);
        for (const auto& [name, value] : environment)
            value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
        dup2(open("child-stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open("child-stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    ~ChildProcess() {
        Signal(SIGKILL);
        if (pid > 0) WaitForExit(5);
    }

    // Waits up to `seconds`; true once the child has exited.
    bool WaitForExit(double seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        for (int status = 0; !ended; std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
            const pid_t result = waitpid(pid, &status, WNOHANG);
            ended = result == pid;
            if (ended) code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (ended || result < 0 || std::chrono::steady_clock::now() > deadline) break;
        }
        return ended;
    }
    bool IsRunning() { return !WaitForExit(0); }
    void Signal(int signal) {
        if (pid > 0 && !ended) kill(pid, signal);
    }
    // The exit code, or -1 when the child was killed by a signal or has not ended.
    int exitCode() const { return code; }
    std::string Output() const { return Read("/child-stdout.txt"); }
    std::string Errors() const { return Read("/child-stderr.txt"); }

private:
    std::string Read(const std::string& file) const {
        std::ifstream in(folder + file);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string folder;
    pid_t pid = -1;
    int code = -1;
    bool ended = false;
};

// The game binary of the build that runs the tests.
inline std::string GameBinary() {
    return std::string(HOLLOWTIDE_BUILD_DIR) + "/hollowtide";
}
