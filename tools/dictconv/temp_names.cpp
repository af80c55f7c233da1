// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_names.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <string>
#include <string_view>
#include <unistd.h>

namespace dictconv {

namespace {

constexpr std::string_view prefix = ".dictconv-";
constexpr std::string_view suffix = ".tmp";

// The process id in a temporary name, or 0 when the name is not one.
pid_t ownerOf(std::string_view name) {
    if (!name.starts_with(prefix) || !name.ends_with(suffix)) return 0;
    name.remove_prefix(prefix.size());
    name.remove_suffix(suffix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || pid <= 0 || end == name.data() + name.size() || *end != '-')
        return 0;
    unsigned attempt = 0;
    const auto [last, error2] = std::from_chars(end + 1, name.data() + name.size(), attempt);
    return error2 == std::errc() && last == name.data() + name.size() ? pid : 0;
}

} // namespace

std::filesystem::path temporaryName(const std::filesystem::path& folder, int attempt) {
    return folder / (std::string(prefix) + std::to_string(::getpid()) + "-" +
                     std::to_string(attempt) + std::string(suffix));
}

void removeStaleTemporaries(const std::filesystem::path& folder) noexcept {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const pid_t pid = ownerOf(it->path().filename().native());
        if (pid == 0 || pid == ::getpid()) continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue; // still running, or not ours to ask
        std::error_code ignored;
        if (std::filesystem::is_regular_file(it->symlink_status(ignored)))
            ::unlink(it->path().c_str());
    }
}

} // namespace dictconv
