// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace dictconv {

// Where the progress line goes: set to stderr by the command when that is a terminal and
// --quiet is not given; nowhere otherwise.
extern std::ostream* progressOutput;

// One line, rewritten in place at most a few times a second: the step, the percent of the
// input read and the MB/s. Cleared when the step ends.
class Progress {
public:
    Progress(std::string step, std::uint64_t total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void update(std::uint64_t done) {
        if (out_ && ++calls_ % 1024 == 0) show(done, false);
    }
    // The line as it would be shown after `done` bytes in `seconds`.
    static std::string line(const std::string& step, std::uint64_t done, std::uint64_t total,
                            double seconds);

private:
    void show(std::uint64_t done, bool force);

    std::ostream* out_;
    std::string step_;
    std::uint64_t total_, calls_ = 0;
    std::chrono::steady_clock::time_point start_, shown_;
};

} // namespace dictconv
