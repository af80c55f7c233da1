// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal_cleanup.h"

#include <climits>
#include <cstring>
#include <unistd.h>

namespace dictconv {

namespace {

constexpr int slots = 8;
char paths[slots][PATH_MAX];
volatile sig_atomic_t used[slots];
constexpr int cleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void onSignal(int signal) {
    for (int i = 0; i < slots; ++i)
        if (used[i]) ::unlink(paths[i]);
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

sigset_t cleanedSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : cleanedSignals)
        sigaddset(&set, signal);
    return set;
}

} // namespace

void installSignalCleanup() {
    // Past a file-size limit a write fails with EFBIG, reported like any failed write.
    std::signal(SIGXFSZ, SIG_IGN);
    struct sigaction action {};
    action.sa_handler = onSignal;
    action.sa_mask = cleanedSet();
    for (const int signal : cleanedSignals) {
        struct sigaction old {};
        // A signal ignored by whoever started us stays ignored.
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

int registerTemporary(const char* path) {
    if (std::strlen(path) >= PATH_MAX) return -1;
    for (int i = 0; i < slots; ++i) {
        if (used[i]) continue;
        std::strcpy(paths[i], path);
        used[i] = 1;
        return i;
    }
    return -1;
}

void unregisterTemporary(int slot) {
    if (slot >= 0 && slot < slots) used[slot] = 0;
}

SignalBlock::SignalBlock() {
    const sigset_t set = cleanedSet();
    ::sigprocmask(SIG_BLOCK, &set, &saved_);
}

SignalBlock::~SignalBlock() {
    ::sigprocmask(SIG_SETMASK, &saved_, nullptr);
}

} // namespace dictconv
