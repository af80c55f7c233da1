// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the MDict reader: the input is the bytes of an ".mdx" file. The fuzz
// build leaves out the block checksums, so that changed bytes reach the parsing behind them.
// Every input must give records that fit the two-line format, or a ConvertError.
#include "convert_error.h"
#include "entry_text.h"
#include "fuzz_file.h"
#include "mdict_file.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto path = dictconv::fuzz::writeScratch("f.mdx", input);
    std::ostringstream warnings;
    try {
        dictconv::readMdict(
            path,
            [](std::string_view key, std::string_view text) {
                const std::string clean = dictconv::cleanHeadword(key);
                if (dictconv::isWantedHeadword(clean)) dictconv::fuzz::checkRecord(clean, text);
            },
            warnings);
    } catch (const dictconv::ConvertError&) {
        // A refused file is a defined result.
    }
    return 0;
}
