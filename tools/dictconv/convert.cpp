// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"

#include "convert_error.h"
#include "data_file.h"
#include "dictd_index.h"
#include "entry_text.h"
#include "output_file.h"
#include "progress.h"
#include "record_sorter.h"
#include "stardict.h"
#include "temp_file.h"
#include "tsv.h"

#include <string>
#include <string_view>

namespace dictconv {

namespace {

namespace fs = std::filesystem;

void readRecords(const fs::path& indexPath, const fs::path& dataPath, RecordSorter& sorter) {
    const std::vector<IndexEntry> entries = readDictdIndex(indexPath);
    const std::string data = readDataFile(dataPath);
    const std::string_view view = data;

    Progress progress("reading", view.size());
    for (const IndexEntry& entry : entries) {
        progress.update(entry.offset);
        if (entry.offset > view.size() || entry.length > view.size() - entry.offset) {
            throw ConvertError(indexPath.string() + ":" + std::to_string(entry.lineNumber) +
                               ": entry \"" + entry.headword + "\" points outside the " +
                               std::to_string(view.size()) + " bytes of " + dataPath.string());
        }
        const std::string headword = cleanHeadword(entry.headword);
        if (!isWantedHeadword(headword)) continue;
        sorter.add(headword, entryTranslation(view.substr(entry.offset, entry.length), headword));
    }
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

ConvertResult writeDictionary(std::vector<Record> records, const std::string& source,
                              const fs::path& outputPath) {
    RecordSorter sorter(temporaryFolder(outputPath), RecordSorter::Same::Merge);
    for (Record& record : records) {
        sorter.add(record.headword, record.translation);
        record = Record(); // its memory goes back as the sorter fills
    }
    records = std::vector<Record>();
    return writeSorted(sorter, source, outputPath);
}

ConvertResult convertDictionary(const fs::path& indexPath, const fs::path& dataPath,
                                const fs::path& outputPath) {
    RecordSorter sorter(temporaryFolder(outputPath), RecordSorter::Same::Merge);
    readRecords(indexPath, dataPath, sorter);
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

    const std::string idx = readDataFile(idxPath);
    const std::string dict = readDataFile(dictPath);
    const std::string syn = synPath.empty() ? std::string() : readDataFile(synPath);
    const StarDictFiles files{
        idx, dict, syn, idxPath.string(), dictPath.string(), synPath.string()};
    StarDictRecords read = readStarDict(info, files);
    ConvertResult result = writeDictionary(std::move(read.records), ifoPath.string(), outputPath);
    result.skippedFields = read.skippedFields;
    result.title = info.bookName;
    return result;
}

ConvertResult convertTsv(const fs::path& inputPath, const fs::path& outputPath,
                         std::ostream& warnings) {
    RecordSorter sorter(temporaryFolder(outputPath), RecordSorter::Same::Merge);
    const std::uint64_t skipped = readTsv(inputPath, sorter, warnings);
    ConvertResult result = writeSorted(sorter, inputPath.string(), outputPath);
    result.skippedHeadwords = skipped;
    return result;
}

} // namespace dictconv
