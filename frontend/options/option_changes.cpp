// SPDX-License-Identifier: GPL-3.0-or-later
#include "option_changes.h"

OptionChanges& OptionChanges::instance() {
    static OptionChanges changes;
    return changes;
}
