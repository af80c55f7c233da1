// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dsl_cards.h"
#include "tsv.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

namespace dictconv {

// How the bytes of a DSL file are text: UTF-16 of either byte order (by its mark, or by the
// zero bytes of its first characters), UTF-8 with or without a mark, or otherwise the 8-bit
// code page that "#SOURCE_CODE_PAGE" names (Windows-1252 when none does). `sample` is the
// file's beginning. Gives "UTF-16LE", "UTF-16BE", "UTF-8" or an iconv code page name.
std::string dslEncoding(std::string_view sample, bool fileIsLonger);

struct DslSummary {
    std::string title;
    std::uint64_t unknownTags = 0;
};

// Reads a DSL file, plain or gzip-compressed (".dsl.dz"), handing every headword form and its
// text to `add`; a compressed one is unpacked into a nameless temporary file in `folder`.
// An `encoding` other than Guess is used as it is (UTF-16 without a mark: little-endian).
// Warnings name the file and line. Throws ConvertError.
DslSummary readDsl(const std::filesystem::path& input, const std::filesystem::path& folder,
                   const DslCards::Sink& add, std::ostream& warnings,
                   Encoding encoding = Encoding::Guess);

} // namespace dictconv
