// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting in many small runs gives the bytes the in-memory sort gives.
#include "convert.h"
#include "output_file.h"
#include "record_sorter.h"
#include "records.h"
#include "repair.h"
#include "test_folder.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>

namespace {

using dictconv::Record;
using dictconv::RecordSorter;
using dictconv::test::TestFolder;

class ForcedRuns : public TestFolder {
protected:
    void TearDown() override {
        dictconv::setSortMemory(saved_);
        TestFolder::TearDown();
    }
    const std::uint64_t saved_ = dictconv::sortMemory();
};

// Records with few distinct headwords, so ties cross run borders; some translations empty or
// repeated, some long enough to span a run's read buffer.
std::vector<Record> generated(unsigned seed, std::size_t count) {
    std::mt19937 random(seed);
    std::vector<Record> records;
    for (std::size_t i = 0; i < count; ++i) {
        std::string headword(1 + random() % 10, 'A');
        for (char& c : headword)
            c = static_cast<char>('A' + random() % 3);
        const unsigned kind = random() % 8;
        std::string translation = kind == 0   ? std::string()
                                  : kind == 1 ? std::string("same")
                                  : kind == 2 ? std::string(5000 + random() % 5000, 'x')
                                              : "t" + std::to_string(i);
        records.push_back({std::move(headword), std::move(translation)});
    }
    return records;
}

TEST_F(ForcedRuns, SortedOutputIsTheInMemoryOne) {
    struct Case {
        const char* name;
        RecordSorter::Same same;
        std::uint64_t memory; // small enough for many runs, some over the merge's fan-in
        std::size_t records;
    };
    const Case cases[] = {
        {"merged, a few runs", RecordSorter::Same::Merge, 64 * 1024, 2000},
        {"merged, merge passes", RecordSorter::Same::Merge, 2048, 3000},
        {"kept, merge passes", RecordSorter::Same::Keep, 2048, 3000},
        {"one record a run", RecordSorter::Same::Merge, 1, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Record> input = generated(static_cast<unsigned>(c.records), c.records);
        std::vector<Record> expected = input;
        if (c.same == RecordSorter::Same::Merge) {
            expected = dictconv::sortAndMerge(expected);
        } else {
            std::stable_sort(
                expected.begin(), expected.end(),
                [](const Record& a, const Record& b) { return a.headword < b.headword; });
        }
        {
            dictconv::OutputFile out(path("expected.txt"));
            dictconv::writeRecords(out, expected);
            out.commit();
        }
        RecordSorter sorter(dir_, c.same, c.memory);
        for (const Record& record : input)
            sorter.add(record.headword, record.translation);
        dictconv::OutputFile out(path("sorted.txt"));
        const RecordSorter::Written written = sorter.write(out);
        out.commit();
        EXPECT_GT(sorter.runs(), 1u);
        EXPECT_EQ(written.records, expected.size());
        EXPECT_EQ(read("sorted.txt"), read("expected.txt"));
        EXPECT_EQ(written.bytes, read("expected.txt").size());
        EXPECT_EQ(fileCount(), 2u); // the runs' files have no names
    }
}

// The conversions and the repair, run with room for everything and with tiny runs; the
// samples too when they are there.
TEST_F(ForcedRuns, CommandsGiveTheSameBytes) {
    std::ostringstream tsv, twoLine;
    for (const Record& record : generated(7, 3000)) {
        tsv << record.headword << (record.headword.size() % 2 ? "\t" : "\r\t") << "a\t"
            << record.translation << '\n';
        twoLine << record.headword << '\n' << record.translation << '\n';
    }
    write("in.tsv", tsv.str());
    write("in.txt", twoLine.str() + "lonely headword\n");
    // The small FreeDict dictionaries installed, as the samples are made from them.
    std::vector<std::filesystem::path> indexes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/share/dictd", error)) {
        if (entry.path().extension() == ".index" && entry.file_size(error) < (4u << 20))
            indexes.push_back(entry.path());
    }

    const auto runBoth = [this](const std::function<void(const std::string&)>& command) {
        dictconv::setSortMemory(dictconv::sortMemory());
        command("whole.txt");
        dictconv::setSortMemory(std::uint64_t{1} << 20);
        command("runs.txt");
        dictconv::setSortMemory(saved_);
        EXPECT_EQ(read("runs.txt"), read("whole.txt"));
        EXPECT_FALSE(read("whole.txt").empty());
    };
    std::ostringstream ignored;
    runBoth(
        [&](const std::string& out) { dictconv::convertTsv(path("in.tsv"), path(out), ignored); });
    runBoth([&](const std::string& out) {
        dictconv::repairDictionary(path("in.txt"), path(out), ignored);
    });
    for (const std::filesystem::path& index : indexes) {
        SCOPED_TRACE(index.string());
        std::filesystem::path data = index;
        data.replace_extension(".dict.dz");
        runBoth(
            [&](const std::string& out) { dictconv::convertDictionary(index, data, path(out)); });
    }
}

} // namespace
