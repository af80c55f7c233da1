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

// Writes a warning; over a progress line on the same stream it starts on a line of its own and
// the progress line is drawn again below it.
void warn(std::ostream& warnings, const std::string& text);

// One line, rewritten in place at most a few times a second: the step, the percent of the
// input read and the MB/s. Cleared when the step ends.
class Progress {
public:
    Progress(std::string step, std::uint64_t total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void update(std::uint64_t done) {
        done_ = done;
        if (out_ && ++calls_ % 1024 == 0) show(done, false);
    }
    // The line as it would be shown after `done` bytes in `seconds`.
    static std::string line(const std::string& step, std::uint64_t done, std::uint64_t total,
                            double seconds);

private:
    friend void warn(std::ostream& warnings, const std::string& text);
    void show(std::uint64_t done, bool force);

    Progress* outer_; // the progress line this one stands in for while it lives

    std::ostream* out_;
    std::string step_;
    std::uint64_t total_, calls_ = 0, done_ = 0;
    std::chrono::steady_clock::time_point start_, shown_;
};

} // namespace dictconv
