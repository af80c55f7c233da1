// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace dictconv {

std::ostream* progressOutput = nullptr;

namespace {

Progress* shown = nullptr; // the progress line on the terminal now

} // namespace

void warn(std::ostream& warnings, const std::string& text) {
    Progress* line = shown && shown->out_ == &warnings ? shown : nullptr;
    if (line) warnings << "\r\033[K";
    warnings << text;
    if (line) line->show(line->done_, true);
}

Progress::Progress(std::string step, std::uint64_t total)
    : outer_(shown), out_(progressOutput), step_(std::move(step)), total_(total),
      start_(std::chrono::steady_clock::now()), shown_(start_) {
    shown = this;
    if (out_) show(0, true);
}

Progress::~Progress() {
    shown = outer_;
    if (!out_) return;
    *out_ << "\r\033[K" << std::flush;
}

std::string Progress::line(const std::string& step, std::uint64_t done, std::uint64_t total,
                           double seconds) {
    const std::uint64_t percent =
        total == 0 ? 100 : std::min<std::uint64_t>(done, total) * 100 / total;
    const double rate = seconds > 0 ? static_cast<double>(done) / 1e6 / seconds : 0;
    char text[160];
    std::snprintf(text, sizeof text, "dictconv: %s %3llu%%, %.0f MB/s", step.c_str(),
                  static_cast<unsigned long long>(percent), rate);
    return text;
}

void Progress::show(std::uint64_t done, bool force) {
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - shown_ < std::chrono::milliseconds(200)) return;
    shown_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    *out_ << '\r' << line(step_, done, total_, seconds) << "\033[K" << std::flush;
}

} // namespace dictconv
