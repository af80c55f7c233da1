// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"

#include "convert_error.h"
#include "data_file.h"
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

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace dictconv {

namespace {

namespace fs = std::filesystem;

void readRecords(const fs::path& indexPath, const fs::path& dataPath, const fs::path& folder,
                 RecordSorter& sorter) {
    FileSource index(indexPath, "index file");
    const std::unique_ptr<RandomSource> data = openDataSource(dataPath, "data file", folder);
    const std::string indexName = indexPath.string();
    LineReader lines(index);
    Progress progress("reading", index.size());
    std::string_view line;
    bool ended = false;
    while (lines.next(line, ended)) {
        progress.update(lines.position());
        const std::optional<IndexEntry> entry =
            parseDictdIndexLine(line, lines.lineNumber(), indexName);
        if (!entry) continue;
        if (entry->offset > data->size() || entry->length > data->size() - entry->offset) {
            throw ConvertError(indexName + ":" + std::to_string(lines.lineNumber()) + ": entry \"" +
                               std::string(entry->headword) + "\" points outside the " +
                               std::to_string(data->size()) + " bytes of " + dataPath.string());
        }
        const std::string headword = cleanHeadword(entry->headword);
        if (!isWantedHeadword(headword)) continue;
        sorter.add(headword, entryTranslation(data->at(entry->offset, entry->length), headword));
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

ConvertResult convertDictionary(const fs::path& indexPath, const fs::path& dataPath,
                                const fs::path& outputPath) {
    const fs::path folder = temporaryFolder(outputPath);
    RecordSorter sorter(folder, RecordSorter::Same::Merge);
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
                         std::ostream& warnings) {
    RecordSorter sorter(temporaryFolder(outputPath), RecordSorter::Same::Merge);
    const std::uint64_t skipped = readTsv(inputPath, sorter, warnings);
    ConvertResult result = writeSorted(sorter, inputPath.string(), outputPath);
    result.skippedHeadwords = skipped;
    return result;
}

ConvertResult writeSortedRecords(RecordSorter& sorter, const std::string& source,
                                 const fs::path& outputPath) {
    return writeSorted(sorter, source, outputPath);
}

} // namespace dictconv
