// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dictconv {

class OutputFile;
class TemporaryFile;

// The memory a sorter holds records in before it writes them out as a sorted run; the
// default keeps a whole conversion under 256 MB. Tests and fuzzing make it small.
std::uint64_t sortMemory();
void setSortMemory(std::uint64_t bytes);

// Sorts records by headword bytes, those with the same headword in the order they came, in
// runs of bounded memory written to nameless temporary files and merged at the end. With
// Same::Merge, records sharing a headword become one, as sortAndMerge makes them.
class RecordSorter {
public:
    enum class Same { Merge, Keep };
    struct Written {
        std::uint64_t records = 0;
        std::uint64_t bytes = 0;
    };

    RecordSorter(std::filesystem::path temporaryFolder, Same same,
                 std::uint64_t memory = sortMemory());
    ~RecordSorter();
    RecordSorter(const RecordSorter&) = delete;
    RecordSorter& operator=(const RecordSorter&) = delete;

    void add(std::string_view headword, std::string_view translation);
    std::uint64_t added() const { return added_; }
    std::uint64_t runs() const { return runs_.size(); }

    // The last `bytes` of every headword added from now on only order the records that share
    // the rest; they are left out of what write() gives.
    void hideSuffix(std::size_t bytes) { hidden_ = bytes; }

    // Writes every record in the two-line format; the sorter is spent afterwards.
    Written write(OutputFile& out);
    // Hands every record to `sink` in order, unmerged; the sorter is spent afterwards.
    void each(const std::function<void(std::string_view, std::string_view)>& sink);

private:
    struct Entry {
        std::uint64_t key; // the first eight headword bytes, big-endian: most compares end here
        std::uint64_t offset, headwordSize, translationSize;
    };
    struct Run {
        std::uint64_t begin, end;
    };
    template <class Sink> void drain(Sink& sink);
    void sortEntries();
    void spill();
    template <class Sink>
    void mergeRuns(const TemporaryFile& file, std::size_t first, std::size_t last, Sink& sink);

    std::filesystem::path folder_;
    Same same_;
    std::uint64_t memory_, dataLimit_, entryLimit_, readBuffer_;
    std::uint64_t largest_ = 0; // the bytes of the largest record added
    std::size_t hidden_ = 0;
    bool reserved_ = false;
    std::string data_;
    std::vector<Entry> entries_;
    std::uint64_t added_ = 0;
    std::unique_ptr<TemporaryFile> runFile_, spareFile_;
    std::vector<Run> runs_;
};

} // namespace dictconv
