#include "tests/support/ChildProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
std::string ReadAll(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::string& workingDirectory,
                           const std::map<std::string, std::string>& environment,
                           const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    outPath = workingDirectory + "/child-stdout.txt";
    errPath = workingDirectory + "/child-stderr.txt";
    pid = fork();
    if (pid == 0) {
        if (chdir(workingDirectory.c_str()) != 0) _exit(127);
        for (const auto& [name, value] : environment) {
            if (value.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), value.c_str(), 1);
        }
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (pid > 0 && !ended) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool ChildProcess::WaitForExit(double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!ended) {
        int status = 0;
        pid_t result = waitpid(pid, &status, WNOHANG);
        if (result == pid) {
            ended = true;
            code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (result < 0 || std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ended;
}

void ChildProcess::Signal(int signal) {
    if (pid > 0 && !ended) kill(pid, signal);
}

bool ChildProcess::IsRunning() {
    return !WaitForExit(0);
}

std::string ChildProcess::Output() const {
    return ReadAll(outPath);
}
std::string ChildProcess::Errors() const {
    return ReadAll(errPath);
}

std::string GameBinary() {
    return std::string(HOLLOWTIDE_BUILD_DIR) + "/hollowtide";
}
