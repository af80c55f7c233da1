// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace dictconv {

// Runs one dictconv command line (without the program name) and returns its exit status:
// 0 done, 1 a conversion failed or the check found problems, 2 a wrong call, an unreadable
// file for the check, or a file that could not be written. The progress line is shown when
// stderr is a terminal and --quiet is not given.
int runCommand(std::vector<std::string> args, bool stderrIsTerminal);

} // namespace dictconv
