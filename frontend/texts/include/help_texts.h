// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu's messages: Instructions, Tips and About, in English or Italian.

#include <QString>

namespace texts {

struct HelpMessage {
    QString title;
    QString text; // lines joined by CR LF
};

HelpMessage instructions(bool italian);
HelpMessage tips(bool italian);
HelpMessage about(bool italian);

} // namespace texts
