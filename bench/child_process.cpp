// SPDX-License-Identifier: GPL-3.0-or-later
#include "child_process.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lexscan::bench {

namespace {

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

} // namespace

ChildRun runChild(const std::vector<std::string>& argv, const std::string& output,
                  const std::vector<std::string>& environment) {
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        const std::string name(*entry, equals ? static_cast<std::size_t>(equals - *entry) : 0);
        bool replaced = false;
        for (const std::string& extra : environment)
            replaced = replaced || extra.compare(0, name.size() + 1, name + "=") == 0;
        if (!replaced) variables.emplace_back(*entry);
    }
    variables.insert(variables.end(), environment.begin(), environment.end());
    std::vector<char*> argp = pointers(arguments);
    std::vector<char*> envp = pointers(variables);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);

    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int failed = posix_spawnp(&child, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return run;
    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakResidentKb = usage.ru_maxrss;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

} // namespace lexscan::bench
