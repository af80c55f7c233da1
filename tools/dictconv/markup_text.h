// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace dictconv {

// HTML or XDXF as plain text on one line: tags removed, character entities decoded, line
// breaks (<br>) and paragraph ends made "; ", other white space runs one blank.
std::string markupToText(std::string_view markup);

} // namespace dictconv
