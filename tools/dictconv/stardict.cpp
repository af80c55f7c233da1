// SPDX-License-Identifier: GPL-3.0-or-later
#include "stardict.h"

#include "convert_error.h"
#include "entry_text.h"
#include "line_reader.h"
#include "markup_text.h"
#include "progress.h"
#include "random_source.h"
#include "temp_file.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <memory>
#include <optional>
#include <tuple>

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
    std::string word;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// Where the NUL that ends the word of the entry at `at` lies; an entry cut short by the end of
// the file fails.
std::uint64_t nulAfter(RandomSource& source, const std::string& name, std::uint64_t at) {
    for (std::uint64_t nul = at; nul < source.size();) {
        const std::string_view piece =
            source.at(nul, std::min<std::uint64_t>(1 << 16, source.size() - nul));
        const std::size_t found = piece.find('\0');
        if (found != std::string_view::npos) return nul + found;
        nul += piece.size();
    }
    fail(name, "entry at byte " + std::to_string(at) + " is cut short");
}

// Reads the entry of the ".idx" at `at` and moves `at` past it.
IdxEntry nextIdxEntry(const StarDictInfo& info, const StarDictSources& sources, std::uint64_t& at) {
    RandomSource& idx = sources.idx;
    const std::uint64_t numberSize = info.offsetBits / 8;
    const std::uint64_t nul = nulAfter(idx, sources.idxName, at);
    if (idx.size() - nul - 1 < numberSize + 4)
        fail(sources.idxName, "entry at byte " + std::to_string(at) + " is cut short");
    IdxEntry entry;
    entry.word = idx.at(at, nul - at);
    const std::string_view numbers = idx.at(nul + 1, numberSize + 4);
    entry.offset = bigEndian(numbers.substr(0, numberSize));
    entry.size = bigEndian(numbers.substr(numberSize, 4));
    at = nul + 1 + numberSize + 4;
    return entry;
}

// Checks the whole ".idx" before any entry is read: its size, each entry's place in the
// ".dict" and the count of entries.
void checkIdx(const StarDictInfo& info, const StarDictSources& sources) {
    const std::uint64_t idxSize = sources.idx.size(), dictSize = sources.dict.size();
    if (idxSize != info.idxFileSize) {
        fail(sources.idxName, "holds " + std::to_string(idxSize) + " bytes, the .ifo says " +
                                  std::to_string(info.idxFileSize) + " (truncated?)");
    }
    std::uint64_t at = 0, count = 0;
    while (at < idxSize) {
        const IdxEntry entry = nextIdxEntry(info, sources, at);
        if (entry.offset > dictSize || entry.size > dictSize - entry.offset) {
            fail(sources.dictName, "entry \"" + entry.word + "\" lies past its end (" +
                                       std::to_string(dictSize) + " bytes; truncated?)");
        }
        ++count;
    }
    if (count != info.wordCount) {
        fail(sources.idxName, "holds " + std::to_string(count) + " entries, the .ifo says " +
                                  std::to_string(info.wordCount));
    }
}

// Where each entry lies in the ".dict", by entry number, for the synonyms: in memory, or
// written a megabyte at a time to a temporary file.
class EntryPlaces {
public:
    explicit EntryPlaces(const std::filesystem::path& folder) {
        if (!folder.empty()) file_ = std::make_unique<TemporaryFile>(folder);
    }
    void add(std::uint64_t offset, std::uint64_t size) {
        char bytes[placeSize];
        std::memcpy(bytes, &offset, 8);
        std::memcpy(bytes + 8, &size, 8);
        held_.append(bytes, placeSize);
        if (file_ && held_.size() >= (std::size_t{1} << 20)) {
            file_->append(held_);
            held_.clear();
        }
    }
    std::pair<std::uint64_t, std::uint64_t> get(std::uint64_t number) const {
        const std::uint64_t at = number * placeSize, written = file_ ? file_->size() : 0;
        char bytes[placeSize];
        if (at >= written) {
            std::memcpy(bytes, held_.data() + (at - written), placeSize);
        } else {
            std::size_t done = 0;
            while (done < placeSize) {
                const std::size_t got = file_->readAt(bytes + done, placeSize - done, at + done);
                if (got == 0) throw ConvertError("a temporary file became shorter");
                done += got;
            }
        }
        std::pair<std::uint64_t, std::uint64_t> place;
        std::memcpy(&place.first, bytes, 8);
        std::memcpy(&place.second, bytes + 8, 8);
        return place;
    }

private:
    static constexpr std::size_t placeSize = 16;
    std::unique_ptr<TemporaryFile> file_;
    std::string held_;
};

// Adds one typed part of an entry to the translation, or counts it as skipped.
void addField(char type, std::string_view data, std::string& translation, std::uint64_t& skipped) {
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

std::string translationOf(const StarDictInfo& info, const StarDictSources& sources,
                          const IdxEntry& entry, std::uint64_t& skipped) {
    if (entry.size >= longestLine) {
        fail(sources.dictName, "entry \"" + entry.word + "\" of " +
                                   std::to_string(longestLine >> 20) +
                                   " MB or more; dictconv converts shorter entries only");
    }
    std::string_view rest = sources.dict.at(entry.offset, entry.size);
    std::string translation;
    const std::string& types = info.sameTypeSequence;
    const auto broken = [&] {
        fail(sources.dictName, "entry \"" + entry.word + "\" is malformed");
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

void addRecord(const RecordSink& add, std::string_view word, std::string_view text) {
    const std::string headword = cleanHeadword(word);
    if (isWantedHeadword(headword)) add(headword, text);
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

std::uint64_t readStarDict(const StarDictInfo& info, const StarDictSources& sources,
                           const std::filesystem::path& folder, const RecordSink& add) {
    checkIdx(info, sources);
    std::uint64_t skipped = 0;
    std::optional<EntryPlaces> places;
    if (sources.syn) places.emplace(folder);
    Progress progress("reading", sources.idx.size());
    std::uint64_t at = 0;
    while (at < sources.idx.size()) {
        progress.update(at);
        const IdxEntry entry = nextIdxEntry(info, sources, at);
        addRecord(add, entry.word, translationOf(info, sources, entry, skipped));
        if (places) places->add(entry.offset, entry.size);
    }
    if (!sources.syn) return skipped;

    RandomSource& syn = *sources.syn;
    std::uint64_t count = 0;
    at = 0;
    while (at < syn.size()) {
        const std::uint64_t nul = nulAfter(syn, sources.synName, at);
        if (syn.size() - nul - 1 < 4)
            fail(sources.synName, "entry at byte " + std::to_string(at) + " is cut short");
        const std::uint64_t target = bigEndian(syn.at(nul + 1, 4));
        IdxEntry entry;
        entry.word = syn.at(at, nul - at);
        if (target >= info.wordCount) {
            fail(sources.synName, "synonym \"" + entry.word + "\" points to entry " +
                                      std::to_string(target) + " of " +
                                      std::to_string(info.wordCount));
        }
        std::tie(entry.offset, entry.size) = places->get(target);
        std::uint64_t counted = 0; // the entry's skipped parts were counted with it
        addRecord(add, entry.word, translationOf(info, sources, entry, counted));
        ++count;
        at = nul + 5;
    }
    if (info.hasSynWordCount && count != info.synWordCount) {
        fail(sources.synName, "holds " + std::to_string(count) + " synonyms, the .ifo says " +
                                  std::to_string(info.synWordCount));
    }
    return skipped;
}

StarDictRecords readStarDict(const StarDictInfo& info, const StarDictFiles& files) {
    MemorySource idx(files.idx), dict(files.dict), syn(files.syn);
    const StarDictSources sources{
        idx,           dict,           files.synName.empty() ? nullptr : &syn,
        files.idxName, files.dictName, files.synName};
    StarDictRecords result;
    result.skippedFields =
        readStarDict(info, sources, {}, [&](std::string_view h, std::string_view t) {
            result.records.push_back({std::string(h), std::string(t)});
        });
    return result;
}

} // namespace dictconv
