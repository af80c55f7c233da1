// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace dictconv {

struct MdictSummary {
    std::string title;
    std::uint64_t links = 0; // keys that took their text from another key
};

// Reads an MDict ".mdx" file (versions 1.2 and 2.0) and hands every key (UTF-8) with its
// record as plain text on one line to `add`. A record "@@@LINK=OTHER" gives its key OTHER's
// text, as a synonym; links are found in a second pass over the records, made only when the
// dictionary has links. Every block is checked against its Adler-32 checksum. Throws
// ConvertError for a damaged file, a failed checksum, or one that needs a registration key.
using MdictSink = std::function<void(std::string_view key, std::string_view text)>;
MdictSummary readMdict(const std::filesystem::path& input, const MdictSink& add,
                       std::ostream& warnings);

} // namespace dictconv
