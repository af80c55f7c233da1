// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"

#include "convert_error.h"
#include "data_file.h"
#include "dictd_data.h"
#include "dictd_index.h"
#include "entry_text.h"
#include "line_reader.h"
#include "output_file.h"
#include "progress.h"
#include "random_source.h"
#include "record_sorter.h"
#include "stardict.h"
#include "temp_file.h"
#include "tsv.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace dictconv {

namespace {

namespace fs = std::filesystem;

// The entry of an index line, checked against the data's size and the longest line.
std::optional<IndexEntry> checkedEntry(std::string_view line, std::uint64_t number,
                                       const std::string& indexName, const fs::path& dataPath,
                                       std::uint64_t dataSize) {
    std::optional<IndexEntry> entry = parseDictdIndexLine(line, number, indexName);
    if (!entry) return entry;
    const auto where = [&] {
        return indexName + ":" + std::to_string(number) + ": entry \"" +
               std::string(entry->headword) + "\" ";
    };
    if (entry->offset > dataSize || entry->length > dataSize - entry->offset) {
        throw ConvertError(where() + "points outside the " + std::to_string(dataSize) +
                           " bytes of " + dataPath.string());
    }
    if (entry->length >= longestLine) {
        throw ConvertError(where() + "of " + std::to_string(longestLine >> 20) +
                           " MB or more; dictconv converts shorter entries only");
    }
    return entry;
}

// The entries' bytes: a plain data file read by offset, or a compressed one decompressed as
// the offsets go forward, with no copy of the whole.
class DictdData {
public:
    DictdData(const fs::path& path, const fs::path& folder) : path_(path) {
        if (isCompressedName(path)) {
            stream_ = std::make_unique<DictdDataStream>(path);
        } else {
            plain_ = openDataSource(path, "data file", folder);
        }
    }
    // The size for checking entries up front; a stream's are checked as they are read.
    std::uint64_t size() const { return plain_ ? plain_->size() : UINT64_MAX; }
    // Offsets must not go back for a stream.
    // `indexName` and `number` name the index line in messages.
    std::string_view entry(std::uint64_t offset, std::uint64_t length, const std::string& indexName,
                           std::uint64_t number) {
        if (plain_) return plain_->at(offset, length);
        if (!stream_->covers(offset, length)) {
            throw ConvertError(indexName + ":" + std::to_string(number) +
                               ": entry points outside the " + std::to_string(stream_->size()) +
                               " bytes of " + path_.string());
        }
        return stream_->at(offset, length);
    }
    void finish() {
        if (stream_) stream_->finish();
    }

private:
    fs::path path_;
    std::unique_ptr<RandomSource> plain_;
    std::unique_ptr<DictdDataStream> stream_;
};

// Calls `use` with each entry of the index before line `before` and its line number.
template <class Use>
void eachEntry(FileSource& index, const fs::path& dataPath, std::uint64_t dataSize,
               const char* step, Use use, std::uint64_t before = UINT64_MAX) {
    const std::string indexName = index.name();
    index.rewind();
    LineReader lines(index, '\n', indexName);
    Progress progress(step, index.size());
    std::string_view line;
    bool ended = false;
    while (lines.next(line, ended) && lines.lineNumber() < before) {
        progress.update(lines.position());
        const std::optional<IndexEntry> entry =
            checkedEntry(line, lines.lineNumber(), indexName, dataPath, dataSize);
        if (entry) use(*entry, lines.lineNumber());
    }
}

std::string bigEndian(std::uint64_t value) {
    std::string bytes(8, '\0');
    for (int i = 7; i >= 0; --i, value >>= 8)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
    return bytes;
}

std::uint64_t fromBigEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (const char c : bytes.substr(0, 8))
        value = value << 8 | static_cast<unsigned char>(c);
    return value;
}

// The memory of the sort by data offset, which comes off that of the sort by headword: the
// hidden line numbers and the headwords of split entries make a dictd dictionary's records
// longer than those of the same data as a tab-separated file.
std::uint64_t offsetSortMemory() {
    return sortMemory() / 8;
}

// Entries added by their place in the data file, then handed on in that order.
class DataOrder {
public:
    explicit DataOrder(const fs::path& folder)
        : byOffset_(folder, RecordSorter::Same::Keep, offsetSortMemory()) {}
    void add(const IndexEntry& entry, std::uint64_t number) {
        const std::string headword = cleanHeadword(entry.headword);
        if (!isWantedHeadword(headword)) return;
        place_ = bigEndian(entry.offset);
        place_ += bigEndian(number);
        value_ = bigEndian(entry.length);
        value_ += headword;
        byOffset_.add(place_, value_);
    }
    // Reads the definitions in the order of their offsets, so that each byte of the data file
    // is read once whatever the index's order. Records sharing a headword still come out in
    // the index's order: the line number, hidden after a NUL, orders them.
    void read(FileSource& index, DictdData& data, RecordSorter& sorter) {
        sorter.hideSuffix(9);
        Progress progress("reading", index.size());
        const std::string indexName = index.name();
        byOffset_.each([&](std::string_view place, std::string_view value) {
            progress.update(index.size() / 2);
            const std::string_view headword = value.substr(8);
            place_.assign(headword);
            place_ += '\0';
            place_ += place.substr(8);
            const std::string_view body = data.entry(fromBigEndian(place), fromBigEndian(value),
                                                     indexName, fromBigEndian(place.substr(8)));
            sorter.add(place_, entryTranslation(body, headword));
        });
    }

private:
    RecordSorter byOffset_;
    std::string place_, value_; // reused for every entry
};

// The index is read once to see whether the data follows its order; once an entry is found
// out of order, the entries from it on are put in data order as they come, and those before
// it read again.
void readRecords(const fs::path& indexPath, const fs::path& dataPath, const fs::path& folder,
                 RecordSorter& sorter) {
    FileSource index(indexPath, "index file");
    DictdData data(dataPath, folder);
    DataOrder dataOrder(folder);
    std::uint64_t last = 0, firstOutOfOrder = 0;
    eachEntry(index, dataPath, data.size(), "reading the index",
              [&](const IndexEntry& entry, std::uint64_t number) {
                  if (firstOutOfOrder == 0 && entry.offset < last) firstOutOfOrder = number;
                  last = entry.offset;
                  if (firstOutOfOrder != 0) dataOrder.add(entry, number);
              });
    if (firstOutOfOrder != 0) {
        eachEntry(
            index, dataPath, data.size(), "reading the index",
            [&](const IndexEntry& entry, std::uint64_t number) { dataOrder.add(entry, number); },
            firstOutOfOrder);
        dataOrder.read(index, data, sorter);
    } else {
        eachEntry(index, dataPath, data.size(), "reading",
                  [&](const IndexEntry& entry, std::uint64_t number) {
                      const std::string headword = cleanHeadword(entry.headword);
                      if (!isWantedHeadword(headword)) return;
                      const std::string_view body =
                          data.entry(entry.offset, entry.length, index.name(), number);
                      sorter.add(headword, entryTranslation(body, headword));
                  });
    }
    data.finish();
}

// Writes what the sorter holds; nothing to write is an error naming `source`.
ConvertResult writeSorted(RecordSorter& sorter, const std::string& source,
                          const fs::path& outputPath) {
    if (sorter.added() == 0) throw ConvertError(source + ": no headwords to convert");
    OutputFile out(outputPath);
    const RecordSorter::Written written = sorter.write(out);
    out.commit();
    ConvertResult result;
    result.headwords = written.records;
    result.bytes = written.bytes;
    return result;
}

// The first of the candidate files beside `base` that exists, or an empty path.
fs::path firstExisting(const fs::path& base, std::initializer_list<const char*> extensions) {
    for (const char* extension : extensions) {
        fs::path candidate = base;
        candidate += extension;
        std::error_code error;
        if (fs::exists(candidate, error)) return candidate;
    }
    return {};
}

} // namespace

ConvertResult convertDictionary(const fs::path& indexPath, const fs::path& dataPath,
                                const fs::path& outputPath) {
    const fs::path folder = temporaryFolder(outputPath);
    RecordSorter sorter(folder, RecordSorter::Same::Merge, sortMemory() + offsetSortMemory());
    readRecords(indexPath, dataPath, folder, sorter);
    return writeSorted(sorter, indexPath.string(), outputPath);
}

ConvertResult convertStarDict(const fs::path& ifoPath, const fs::path& outputPath) {
    const StarDictInfo info =
        parseStarDictInfo(readPlainFile(ifoPath, ".ifo file"), ifoPath.string());
    fs::path base = ifoPath;
    base.replace_extension();
    const fs::path idxPath = firstExisting(base, {".idx", ".idx.gz"});
    const fs::path dictPath = firstExisting(base, {".dict", ".dict.dz"});
    const fs::path synPath = firstExisting(base, {".syn", ".syn.dz"});
    if (idxPath.empty()) throw ConvertError("no " + base.string() + ".idx beside the .ifo");
    if (dictPath.empty())
        throw ConvertError("no " + base.string() + ".dict or .dict.dz beside the .ifo");

    const fs::path folder = temporaryFolder(outputPath);
    const std::unique_ptr<RandomSource> idx = openDataSource(idxPath, "data file", folder);
    const std::unique_ptr<RandomSource> dict = openDataSource(dictPath, "data file", folder);
    const std::unique_ptr<RandomSource> syn =
        synPath.empty() ? nullptr : openDataSource(synPath, "data file", folder);
    const StarDictSources sources{
        *idx, *dict, syn.get(), idxPath.string(), dictPath.string(), synPath.string()};
    RecordSorter sorter(folder, RecordSorter::Same::Merge);
    const std::uint64_t skipped = readStarDict(
        info, sources, folder, [&sorter](std::string_view headword, std::string_view translation) {
            sorter.add(headword, translation);
        });
    ConvertResult result = writeSorted(sorter, ifoPath.string(), outputPath);
    result.skippedFields = skipped;
    result.title = info.bookName;
    return result;
}

ConvertResult convertTsv(const fs::path& inputPath, const fs::path& outputPath,
                         std::ostream& warnings, Encoding encoding) {
    RecordSorter sorter(temporaryFolder(outputPath), RecordSorter::Same::Merge);
    const std::uint64_t skipped = readTsv(inputPath, sorter, warnings, encoding);
    ConvertResult result = writeSorted(sorter, inputPath.string(), outputPath);
    result.skippedHeadwords = skipped;
    return result;
}

ConvertResult writeSortedRecords(RecordSorter& sorter, const std::string& source,
                                 const fs::path& outputPath) {
    return writeSorted(sorter, source, outputPath);
}

} // namespace dictconv
