// SPDX-License-Identifier: GPL-3.0-or-later
// dictconv: makes and checks Vocabrix's two-line dictionaries.
#include "cli.h"
#include "signal_cleanup.h"

#include <unistd.h>

int main(int argc, char** argv) {
    dictconv::installSignalCleanup();
    return dictconv::runCommand({argv + 1, argv + argc}, ::isatty(STDERR_FILENO) == 1);
}
