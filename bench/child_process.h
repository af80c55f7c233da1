// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a program to its end, timing it and taking its peak resident size.

#include <string>
#include <vector>

namespace lexscan::bench {

struct ChildRun {
    int exitCode = -1;       // -1 when it did not start or did not exit normally
    double milliseconds = 0; // wall time from start to end
    long peakResidentKb = 0; // ru_maxrss of the child
};

// Runs argv[0] (looked up in PATH) with its standard output into the file output (not
// /dev/null, which grep notices and stops early for). environment: extra NAME=value entries on
// top of this process's environment.
ChildRun runChild(const std::vector<std::string>& argv, const std::string& output,
                  const std::vector<std::string>& environment = {});

// True when a program of that name is found in PATH.
bool onPath(const std::string& program);

} // namespace lexscan::bench
