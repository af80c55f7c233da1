#include "convert.h"

#include "convert_error.h"
#include "dictd_data.h"
#include "dictd_index.h"
#include "entry_text.h"
#include "output_file.h"
#include "records.h"

#include <string>
#include <string_view>
#include <vector>

namespace dictconv {

namespace {

std::vector<Record> readRecords(const std::filesystem::path& indexPath,
                                const std::filesystem::path& dataPath) {
    const std::vector<IndexEntry> entries = readDictdIndex(indexPath);
    const std::string data = readDictdData(dataPath);
    const std::string_view view = data;

    std::vector<Record> records;
    records.reserve(entries.size());
    for (const IndexEntry& entry : entries) {
        if (entry.offset > view.size() || entry.length > view.size() - entry.offset) {
            throw ConvertError(indexPath.string() + ":" + std::to_string(entry.lineNumber) +
                               ": entry \"" + entry.headword + "\" points outside the " +
                               std::to_string(view.size()) + " bytes of " + dataPath.string());
        }
        std::string headword = cleanHeadword(entry.headword);
        if (!isWantedHeadword(headword)) continue;
        std::string translation =
            entryTranslation(view.substr(entry.offset, entry.length), headword);
        records.push_back({std::move(headword), std::move(translation)});
    }
    return records;
}

} // namespace

ConvertResult convertDictionary(const std::filesystem::path& indexPath,
                                const std::filesystem::path& dataPath,
                                const std::filesystem::path& outputPath) {
    const std::vector<Record> records = sortAndMerge(readRecords(indexPath, dataPath));
    if (records.empty()) throw ConvertError(indexPath.string() + ": no headwords to convert");

    OutputFile out(outputPath);
    ConvertResult result;
    std::string buffer;
    for (const Record& record : records) {
        buffer += record.headword;
        buffer += '\n';
        buffer += record.translation;
        buffer += '\n';
        if (buffer.size() >= (1u << 20)) {
            out.write(buffer);
            result.bytes += buffer.size();
            buffer.clear();
        }
    }
    out.write(buffer);
    result.bytes += buffer.size();
    out.commit();
    result.headwords = records.size();
    return result;
}

} // namespace dictconv
