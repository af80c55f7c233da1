// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace dictconv {

// The name an output takes in `folder` before it is renamed into place: ".dictconv-PID-N.tmp",
// short whatever the output is called, and telling which process made it.
std::filesystem::path temporaryName(const std::filesystem::path& folder, int attempt);

// Removes the temporary names in `folder` left by processes that no longer run (killed with
// SIGKILL, say). Files it may not remove stay; nothing here fails.
void removeStaleTemporaries(const std::filesystem::path& folder) noexcept;

} // namespace dictconv
