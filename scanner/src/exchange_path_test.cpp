// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/exchange_path.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace lexscan {
namespace {

std::string passwdHome() {
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

TEST(ExchangePath, ChoosesTheFolder) {
    const std::string home = passwdHome();
    ASSERT_FALSE(home.empty());
    const struct {
        const char* name;
        std::optional<std::string> xdg;
        std::optional<std::string> home;
        std::string expected;
    } cases[] = {
        {"xdg_absolute", "/tmp/cache", "/home/ann", "/tmp/cache/vocabrix/zzz.log"},
        {"xdg_root_folder", "/", "/home/ann", "//vocabrix/zzz.log"},
        {"xdg_relative_ignored", "cache", "/home/ann", "/home/ann/.cache/vocabrix/zzz.log"},
        {"xdg_dot_relative_ignored", "./cache", "/home/ann", "/home/ann/.cache/vocabrix/zzz.log"},
        {"xdg_empty_ignored", "", "/home/ann", "/home/ann/.cache/vocabrix/zzz.log"},
        {"xdg_unset", std::nullopt, "/home/ann", "/home/ann/.cache/vocabrix/zzz.log"},
        {"home_unset_uses_passwd", std::nullopt, std::nullopt, home + "/.cache/vocabrix/zzz.log"},
        {"home_empty_uses_passwd", "rel", "", home + "/.cache/vocabrix/zzz.log"},
        {"xdg_wins_without_home", "/x", std::nullopt, "/x/vocabrix/zzz.log"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ScopedEnv xdg("XDG_CACHE_HOME", c.xdg);
        testing::ScopedEnv homeVariable("HOME", c.home);
        EXPECT_EQ(exchangeFilePath(), c.expected);
        EXPECT_EQ(exchangeFolder() + "/zzz.log", c.expected);
    }
}

} // namespace
} // namespace lexscan
