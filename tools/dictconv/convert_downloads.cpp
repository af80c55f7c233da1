// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert_downloads.h"

#include "dsl_file.h"
#include "entry_text.h"
#include "mdict_file.h"
#include "record_sorter.h"
#include "temp_file.h"

#include <fstream>
#include <ostream>

namespace dictconv {

namespace {

namespace fs = std::filesystem;

// Hands records to the sorter under their cleaned headwords; unwanted ones are counted.
struct SortingSink {
    RecordSorter& sorter;
    std::uint64_t skipped = 0;
    void operator()(std::string_view headword, std::string_view text) {
        const std::string clean = cleanHeadword(headword);
        if (!isWantedHeadword(clean)) {
            ++skipped;
            return;
        }
        sorter.add(clean, text);
    }
};

std::string lowerName(const fs::path& path) {
    std::string name = path.filename().string();
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

// The format its first bytes show, for a file whose name does not tell.
std::string formatOfBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(64, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (head.starts_with("StarDict's dict ifo file")) return "stardict";
    if (head.size() > 8 && head.substr(4).starts_with(std::string("<\0D\0i\0c\0t\0", 10)))
        return "mdict";
    if (head.starts_with("\xFF\xFE#") || head.starts_with("\xFE\xFF\0#") ||
        head.starts_with(std::string("#\0", 2)) || head.starts_with("\xEF\xBB\xBF#"))
        return "dsl";
    return {};
}

} // namespace

ConvertResult convertDsl(const fs::path& inputPath, const fs::path& outputPath,
                         std::ostream& warnings, Encoding encoding) {
    const fs::path folder = temporaryFolder(outputPath);
    RecordSorter sorter(folder, RecordSorter::Same::Merge);
    SortingSink sink{sorter};
    const DslSummary summary = readDsl(
        inputPath, folder, [&sink](std::string_view h, std::string_view t) { sink(h, t); },
        warnings, encoding);
    ConvertResult result = writeSortedRecords(sorter, inputPath.string(), outputPath);
    result.title = summary.title;
    result.unknownTags = summary.unknownTags;
    result.skippedHeadwords = sink.skipped;
    return result;
}

ConvertResult convertMdict(const fs::path& inputPath, const fs::path& outputPath,
                           std::ostream& warnings) {
    RecordSorter sorter(temporaryFolder(outputPath), RecordSorter::Same::Merge);
    SortingSink sink{sorter};
    const MdictSummary summary = readMdict(
        inputPath, [&sink](std::string_view h, std::string_view t) { sink(h, t); }, warnings);
    ConvertResult result = writeSortedRecords(sorter, inputPath.string(), outputPath);
    result.title = summary.title;
    result.links = summary.links;
    result.skippedHeadwords = sink.skipped;
    return result;
}

std::string formatOfFile(const fs::path& path) {
    const std::string name = lowerName(path);
    const auto ends = [&name](std::string_view end) { return name.ends_with(end); };
    if (ends(".index")) return "dictd";
    if (ends(".ifo")) return "stardict";
    if (ends(".tsv") || ends(".txt")) return "tsv";
    if (ends(".dsl") || ends(".dsl.dz")) return "dsl";
    if (ends(".mdx") || ends(".mdd")) return "mdict"; // the reader tells what an .mdd is
    return formatOfBytes(path);
}

} // namespace dictconv
