// SPDX-License-Identifier: GPL-3.0-or-later
#include "stardict.h"

#include "convert_error.h"
#include "entry_text.h"
#include "markup_text.h"

#include <cctype>
#include <charconv>
#include <optional>

namespace dictconv {

namespace {

[[noreturn]] void fail(const std::string& name, const std::string& why) {
    throw ConvertError(name + ": " + why);
}

std::uint64_t bigEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (const char b : bytes)
        value = (value << 8) | static_cast<unsigned char>(b);
    return value;
}

std::uint64_t number(std::string_view text, const std::string& key, const std::string& name) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        fail(name, "bad " + key + " \"" + std::string(text) + "\"");
    return value;
}

// One entry of the ".idx" file.
struct IdxEntry {
    std::string_view word;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

std::vector<IdxEntry> parseIdx(const StarDictInfo& info, const StarDictFiles& files) {
    const std::string_view idx = files.idx;
    if (idx.size() != info.idxFileSize) {
        fail(files.idxName, "holds " + std::to_string(idx.size()) + " bytes, the .ifo says " +
                                std::to_string(info.idxFileSize) + " (truncated?)");
    }
    const std::size_t numberSize = info.offsetBits / 8;
    std::vector<IdxEntry> entries;
    std::size_t at = 0;
    while (at < idx.size()) {
        const std::size_t nul = idx.find('\0', at);
        if (nul == std::string_view::npos || idx.size() - nul - 1 < numberSize + 4)
            fail(files.idxName, "entry at byte " + std::to_string(at) + " is cut short");
        IdxEntry entry;
        entry.word = idx.substr(at, nul - at);
        entry.offset = bigEndian(idx.substr(nul + 1, numberSize));
        entry.size = bigEndian(idx.substr(nul + 1 + numberSize, 4));
        if (entry.offset > files.dict.size() || entry.size > files.dict.size() - entry.offset) {
            fail(files.dictName, "entry \"" + std::string(entry.word) + "\" lies past its end (" +
                                     std::to_string(files.dict.size()) + " bytes; truncated?)");
        }
        entries.push_back(entry);
        at = nul + 1 + numberSize + 4;
    }
    if (entries.size() != info.wordCount) {
        fail(files.idxName, "holds " + std::to_string(entries.size()) + " entries, the .ifo says " +
                                std::to_string(info.wordCount));
    }
    return entries;
}

// Adds one typed part of an entry to the translation, or counts it as skipped.
void addField(char type, std::string_view data, std::string& translation, std::size_t& skipped) {
    std::string text;
    if (type == 'm' || type == 't' || type == 'g' || type == 'y') {
        text = joinLines(data);
    } else if (type == 'h' || type == 'x') {
        text = markupToText(data);
    } else {
        ++skipped;
        return;
    }
    if (text.empty()) return;
    if (!translation.empty()) translation += "; ";
    translation += text;
}

// Cuts the next part off an entry: a NUL-terminated text for a lower-case type, a 32-bit size
// and data for an upper-case one; the last part of a sametypesequence entry runs to its end.
std::optional<std::string_view> nextPart(char type, bool runsToEnd, std::string_view& rest) {
    std::string_view part;
    if (runsToEnd) {
        part = rest;
        rest = {};
    } else if (std::islower(static_cast<unsigned char>(type))) {
        const std::size_t nul = rest.find('\0');
        if (nul == std::string_view::npos) return {};
        part = rest.substr(0, nul);
        rest.remove_prefix(nul + 1);
    } else {
        if (rest.size() < 4) return {};
        const std::uint64_t size = bigEndian(rest.substr(0, 4));
        if (size > rest.size() - 4) return {};
        part = rest.substr(4, size);
        rest.remove_prefix(4 + size);
    }
    return part;
}

std::string translationOf(const StarDictInfo& info, const StarDictFiles& files,
                          const IdxEntry& entry, std::size_t& skipped) {
    std::string_view rest = files.dict.substr(entry.offset, entry.size);
    std::string translation;
    const std::string& types = info.sameTypeSequence;
    const auto broken = [&] {
        fail(files.dictName, "entry \"" + std::string(entry.word) + "\" is malformed");
    };
    if (!types.empty()) {
        for (std::size_t i = 0; i < types.size(); ++i) {
            const auto part = nextPart(types[i], i + 1 == types.size(), rest);
            if (!part) broken();
            addField(types[i], *part, translation, skipped);
        }
        return translation;
    }
    while (!rest.empty()) {
        const char type = rest.front();
        rest.remove_prefix(1);
        const auto part = nextPart(type, false, rest);
        if (!part) broken();
        addField(type, *part, translation, skipped);
    }
    return translation;
}

void addRecord(std::vector<Record>& records, std::string_view word, const std::string& text) {
    std::string headword = cleanHeadword(word);
    if (isWantedHeadword(headword)) records.push_back({std::move(headword), text});
}

} // namespace

StarDictInfo parseStarDictInfo(std::string_view text, const std::string& name) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view magic = "StarDict's dict ifo file";
    if (!text.starts_with(magic)) fail(name, "not a StarDict .ifo file");
    StarDictInfo info;
    bool hasWordCount = false, hasIdxSize = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string key(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        if (key == "version") info.version = value;
        if (key == "bookname") info.bookName = value;
        if (key == "sametypesequence") info.sameTypeSequence = value;
        if (key == "wordcount") info.wordCount = number(value, key, name), hasWordCount = true;
        if (key == "idxfilesize") info.idxFileSize = number(value, key, name), hasIdxSize = true;
        if (key == "synwordcount")
            info.synWordCount = number(value, key, name), info.hasSynWordCount = true;
        if (key == "idxoffsetbits") {
            const std::uint64_t bits = number(value, key, name);
            if (bits != 32 && bits != 64) fail(name, "idxoffsetbits must be 32 or 64");
            info.offsetBits = static_cast<unsigned>(bits);
        }
    }
    if (info.version != "2.4.2" && info.version != "3.0.0")
        fail(name, "unknown version \"" + info.version + "\" (2.4.2 or 3.0.0 expected)");
    if (!hasWordCount) fail(name, "no wordcount");
    if (!hasIdxSize) fail(name, "no idxfilesize");
    return info;
}

StarDictRecords readStarDict(const StarDictInfo& info, const StarDictFiles& files) {
    const std::vector<IdxEntry> entries = parseIdx(info, files);
    StarDictRecords result;
    std::vector<std::string> translations;
    translations.reserve(entries.size());
    for (const IdxEntry& entry : entries)
        translations.push_back(translationOf(info, files, entry, result.skippedFields));
    for (std::size_t i = 0; i < entries.size(); ++i)
        addRecord(result.records, entries[i].word, translations[i]);

    if (files.synName.empty()) return result;
    const std::string_view syn = files.syn;
    std::size_t at = 0, count = 0;
    while (at < syn.size()) {
        const std::size_t nul = syn.find('\0', at);
        if (nul == std::string_view::npos || syn.size() - nul - 1 < 4)
            fail(files.synName, "entry at byte " + std::to_string(at) + " is cut short");
        const std::uint64_t target = bigEndian(syn.substr(nul + 1, 4));
        if (target >= entries.size()) {
            fail(files.synName, "synonym \"" + std::string(syn.substr(at, nul - at)) +
                                    "\" points to entry " + std::to_string(target) + " of " +
                                    std::to_string(entries.size()));
        }
        addRecord(result.records, syn.substr(at, nul - at), translations[target]);
        ++count;
        at = nul + 5;
    }
    if (info.hasSynWordCount && count != info.synWordCount) {
        fail(files.synName, "holds " + std::to_string(count) + " synonyms, the .ifo says " +
                                std::to_string(info.synWordCount));
    }
    return result;
}

} // namespace dictconv
