// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program and the scanner library exchange requests and results.
// Both deliverables include this header, so they always agree on the place:
//   $XDG_CACHE_HOME/vocabrix/zzz.log   when XDG_CACHE_HOME is an absolute path,
//   $HOME/.cache/vocabrix/zzz.log      otherwise (HOME from the password database if unset).

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace lexscan {

inline std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    int error = 0;
    // A long entry needs a bigger buffer than the system suggests.
    while ((error = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
           buffer.size() < (std::size_t{1} << 20))
        buffer.resize(buffer.size() * 2);
    if (error == 0 && found && found->pw_dir) return found->pw_dir;
    return {};
}

// The folder that holds the exchange file; empty when no home folder can be found.
inline std::string exchangeFolder() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && cache[0] == '/')
        return std::string(cache) + "/vocabrix";
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.cache/vocabrix";
}

// The exchange file itself; empty when no home folder can be found.
inline std::string exchangeFilePath() {
    const std::string folder = exchangeFolder();
    return folder.empty() ? std::string() : folder + "/zzz.log";
}

} // namespace lexscan
