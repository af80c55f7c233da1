// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the DSL reader: the input is the bytes of a ".dsl" file, in whatever
// encoding its first bytes suggest. Every input must give records that fit the two-line
// format, or a ConvertError.
#include "convert_error.h"
#include "dsl_file.h"
#include "entry_text.h"
#include "fuzz_file.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto path = dictconv::fuzz::writeScratch("f.dsl", input);
    std::ostringstream warnings;
    try {
        dictconv::readDsl(
            path, dictconv::fuzz::scratchFolder(),
            [](std::string_view headword, std::string_view text) {
                const std::string clean = dictconv::cleanHeadword(headword);
                if (dictconv::isWantedHeadword(clean)) dictconv::fuzz::checkRecord(clean, text);
            },
            warnings);
    } catch (const dictconv::ConvertError&) {
        // A refused file is a defined result.
    }
    return 0;
}
