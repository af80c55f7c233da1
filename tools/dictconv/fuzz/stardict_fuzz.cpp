// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the StarDict reader.
//
// Input: a flags byte, the word and synonym counts (one byte each), a sametypesequence of up to
// four letters (a length byte, then the letters), then ".ifo" lines, ".idx", ".dict" and ".syn"
// bytes separated by "####". The harness writes the .ifo's version, counts and offset size from
// the flags, so that mutations reach the index and the entries; the fuzzed .ifo lines come
// after them and may override them. Every input must give records or a ConvertError, and the
// records must fit the two-line format.
#include "convert_error.h"
#include "fuzz_input.h"
#include "records.h"
#include "stardict.h"
#include "upper_case.h"

#include <cstdint>
#include <string>

namespace {

std::string makeIfo(std::uint8_t flags, unsigned words, unsigned synonyms, std::string_view types,
                    std::size_t idxSize, std::string_view extra) {
    std::string ifo = "StarDict's dict ifo file\n";
    ifo += (flags & 0x01) ? "version=3.0.0\n" : "version=2.4.2\n";
    ifo += "bookname=fuzz\nwordcount=" + std::to_string(words) + "\n";
    ifo += "idxfilesize=" + std::to_string(idxSize + ((flags & 0x02) ? 1 : 0)) + "\n";
    if (flags & 0x04) ifo += "idxoffsetbits=64\n";
    if (flags & 0x08) ifo += "synwordcount=" + std::to_string(synonyms) + "\n";
    if (!types.empty()) ifo += "sametypesequence=" + std::string(types) + "\n";
    ifo += extra;
    return ifo;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 4) return 0;
    const auto flags = static_cast<std::uint8_t>(input[0]);
    const unsigned words = static_cast<std::uint8_t>(input[1]);
    const unsigned synonyms = static_cast<std::uint8_t>(input[2]);
    const std::size_t typeCount =
        std::min<std::size_t>(static_cast<std::uint8_t>(input[3]) % 5, input.size() - 4);
    const std::string_view types = input.substr(4, typeCount);
    input.remove_prefix(4 + typeCount);
    const auto parts = dictconv::fuzz::splitParts(input, 4);

    dictconv::StarDictFiles files{parts[1], parts[2], parts[3],
                                  "f.idx",  "f.dict", (flags & 0x10) ? "f.syn" : ""};
    try {
        const dictconv::StarDictInfo info = dictconv::parseStarDictInfo(
            makeIfo(flags, words, synonyms, types, parts[1].size(), parts[0]), "f.ifo");
        const auto read = dictconv::readStarDict(info, files);
        for (const dictconv::Record& record : dictconv::sortAndMerge(read.records)) {
            dictconv::fuzz::checkRecord(record.headword, record.translation);
            if (dictconv::toUpperUtf8(record.headword) != record.headword)
                dictconv::fuzz::fail("headword not upper case");
        }
    } catch (const dictconv::ConvertError&) {
        // A refused dictionary is a defined result.
    }
    return 0;
}
