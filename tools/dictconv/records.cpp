// SPDX-License-Identifier: GPL-3.0-or-later
#include "records.h"

#include "output_file.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

namespace dictconv {

namespace {

// The translation of a run of records sharing one headword.
std::string mergedTranslation(std::vector<Record>::const_iterator first,
                              std::vector<Record>::const_iterator last) {
    std::vector<std::string_view> pieces;
    std::unordered_set<std::string_view> seen;
    for (auto it = first; it != last; ++it) {
        const std::string_view piece = it->translation;
        if (piece.empty() || !seen.insert(piece).second) continue;
        pieces.push_back(piece);
    }
    std::string joined;
    for (const std::string_view piece : pieces) {
        if (!joined.empty()) joined += entrySeparator;
        joined += piece;
    }
    return joined;
}

} // namespace

std::vector<Record> sortAndMerge(std::vector<Record> records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const Record& a, const Record& b) { return a.headword < b.headword; });
    std::vector<Record> merged;
    auto first = records.begin();
    while (first != records.end()) {
        auto last = std::next(first);
        while (last != records.end() && last->headword == first->headword)
            ++last;
        if (std::next(first) == last) {
            merged.push_back(std::move(*first));
        } else {
            merged.push_back({first->headword, mergedTranslation(first, last)});
        }
        first = last;
    }
    return merged;
}

std::uint64_t writeRecords(OutputFile& out, const std::vector<Record>& records) {
    std::uint64_t written = 0;
    std::string buffer;
    for (const Record& record : records) {
        buffer += record.headword;
        buffer += '\n';
        buffer += record.translation;
        buffer += '\n';
        if (buffer.size() >= (std::size_t{1} << 20)) {
            out.write(buffer);
            written += buffer.size();
            buffer.clear();
        }
    }
    out.write(buffer);
    return written + buffer.size();
}

} // namespace dictconv
