// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>

namespace dictconv {

// On SIGINT, SIGTERM or SIGHUP the named temporary files registered now are removed, then the
// process dies of the signal as it would have. SIGXFSZ is ignored, so a file-size limit fails
// the write instead of killing the process.
void installSignalCleanup();

// A path to remove on a signal; returns its slot for unregisterTemporary, or -1 when full.
int registerTemporary(const char* path);
void unregisterTemporary(int slot);

// Blocks the signals above while it lives, so a rename and its unregistering are one step.
class SignalBlock {
public:
    SignalBlock();
    ~SignalBlock();
    SignalBlock(const SignalBlock&) = delete;
    SignalBlock& operator=(const SignalBlock&) = delete;

private:
    sigset_t saved_;
};

} // namespace dictconv
