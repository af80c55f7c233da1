// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four-line request at the top of the exchange file.

#include "vocabrix_text/byte_source.h"

#include <string>

namespace lexscan {

using vocabrix::text::ByteSource;
using vocabrix::text::FileSource;
using vocabrix::text::MemorySource;

struct Request {
    std::string dictionaryPath; // line 1
    std::string query;          // line 2, QW; "*" asks for every headword
    std::string root;           // line 3
    std::string mode;           // line 4, "0" to "3"; any other text counts as "3"
};

// Reads the first four lines (LF or CR LF); a line that is not there reads as empty.
// A read error leaves the lines not yet read empty.
Request readRequest(ByteSource& source);

// The same from a file; a file that does not open gives an empty request.
Request readRequestFile(const std::string& path);

} // namespace lexscan
