// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"
#include "convert_error.h"
#include "test_folder.h"

#include <functional>
#include <map>
#include <vector>
#include <zlib.h>

namespace {

using dictconv::test::TestFolder;

std::string bigEndian(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string gzip(const std::string& bytes) {
    std::string out(compressBound(static_cast<uLong>(bytes.size())) + 64, '\0');
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    s.avail_in = static_cast<uInt>(bytes.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = static_cast<uInt>(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

// A StarDict dictionary written as its files: entries are (word, data as stored).
struct StarDict {
    int offsetBits = 32;
    std::string types; // sametypesequence, or empty
    std::vector<std::pair<std::string, std::string>> entries;
    std::vector<std::pair<std::string, std::uint32_t>> synonyms;
    bool compressed = false;
    std::function<void(std::string& ifo, std::string& idx, std::string& dict)> damage;

    void writeTo(const std::function<void(const std::string&, const std::string&)>& write) const {
        std::string idx, dict, syn;
        for (const auto& [word, data] : entries) {
            idx += word + '\0' + bigEndian(dict.size(), offsetBits / 8) + bigEndian(data.size(), 4);
            dict += data;
        }
        for (const auto& [word, target] : synonyms)
            syn += word + '\0' + bigEndian(target, 4);
        std::string ifo = "StarDict's dict ifo file\nversion=" +
                          std::string(offsetBits == 64 ? "3.0.0" : "2.4.2") +
                          "\nbookname=test\nwordcount=" + std::to_string(entries.size()) +
                          "\nidxfilesize=" + std::to_string(idx.size()) + "\n";
        if (offsetBits == 64) ifo += "idxoffsetbits=64\n";
        if (!types.empty()) ifo += "sametypesequence=" + types + "\n";
        if (!synonyms.empty()) ifo += "synwordcount=" + std::to_string(synonyms.size()) + "\n";
        if (damage) damage(ifo, idx, dict);
        write("d.ifo", ifo);
        write("d.idx", idx);
        write(compressed ? "d.dict.dz" : "d.dict", compressed ? gzip(dict) : dict);
        if (!synonyms.empty()) write("d.syn", syn);
    }
};

using Entries = std::vector<std::pair<std::string, std::string>>;

StarDict starDict(int offsetBits, std::string types, Entries entries,
                  std::vector<std::pair<std::string, std::uint32_t>> synonyms = {},
                  bool compressed = false) {
    StarDict d;
    d.offsetBits = offsetBits;
    d.types = std::move(types);
    d.entries = std::move(entries);
    d.synonyms = std::move(synonyms);
    d.compressed = compressed;
    return d;
}

class StarDictConvert : public TestFolder {
protected:
    std::string convert(const StarDict& d, dictconv::ConvertResult* result = nullptr) {
        for (const char* name : {"d.dict", "d.dict.dz", "d.syn"})
            std::filesystem::remove(path(name));
        d.writeTo([this](const std::string& n, const std::string& b) { write(n, b); });
        const auto r = dictconv::convertStarDict(path("d.ifo"), path("out.txt"));
        if (result) *result = r;
        return read("out.txt");
    }
};

struct Variant {
    const char* name;
    StarDict dict;
    std::string expected;
};

TEST_F(StarDictConvert, ConvertsEachVariant) {
    const Variant cases[] = {
        {"32-bit offsets, sametypesequence m",
         starDict(32, "m", {{"zucca", "pumpkin\nsquash"}, {"casa", "house"}}),
         "CASA\nhouse\nZUCCA\npumpkin; squash\n"},
        {"64-bit offsets, compressed, html",
         starDict(64, "h", {{"città", "<b>city</b><br/>town &amp; <i>borough</i>&#33;<p>x</p>"}},
                  {}, true),
         "CITTÀ\ncity; town & borough!; x\n"},
        {"no sametypesequence, typed fields, one skipped",
         starDict(32, "",
                  {{"a", std::string("tphon\0mmean\0W", 13) + bigEndian(2, 4) + "xy" +
                             std::string("xsee <k>a</k>", 14)}}),
         "A\nphon; mean; see a\n"},
        {"two types, the last running to the end",
         starDict(32, "tm", {{"a", std::string("ph\0me", 5)}}), "A\nph; me\n"},
        {"synonyms take their target's translation",
         starDict(32, "m", {{"straße", "street"}, {"casa", "house"}},
                  {{"strasse", 0}, {"Case", 1}}),
         "CASA\nhouse\nCASE\nhouse\nSTRASSE\nstreet\nSTRAßE\nstreet\n"},
        {"entries meeting after upper case merge",
         starDict(32, "m", {{"Rom", "Rome"}, {"ROM", "read-only memory"}, {"rom", "Rome"}}),
         "ROM\nRome | read-only memory\n"},
    };
    for (const Variant& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convert(c.dict), c.expected);
    }
}

// Many entries, one larger than the window the files are read in, and synonyms that point
// back to them after where the entries lie has gone to a temporary file.
TEST_F(StarDictConvert, ReadsLargeDictionariesByOffset) {
    StarDict d = starDict(32, "m", {});
    std::map<std::string, std::string> expected;
    for (int i = 0; i < 70000; ++i) {
        const std::string word = "w" + std::to_string(100000 + i);
        d.entries.push_back({word, "t" + std::to_string(i)});
        expected["W" + word.substr(1)] = "t" + std::to_string(i);
    }
    d.entries.push_back({"big", std::string(3 << 20, 'b')});
    expected["BIG"] = std::string(3 << 20, 'b');
    for (const std::uint32_t target : {0u, 1u, 69999u, 70000u, 5u}) {
        d.synonyms.push_back({"s" + std::to_string(target), target});
        expected["S" + std::to_string(target)] =
            target == 70000 ? expected["BIG"] : "t" + std::to_string(target);
    }
    std::string text;
    for (const auto& [headword, translation] : expected)
        text += headword + "\n" + translation + "\n";
    for (const bool compressed : {false, true}) {
        SCOPED_TRACE(compressed ? "compressed" : "plain");
        d.compressed = compressed;
        EXPECT_TRUE(convert(d) == text);
    }
}

TEST_F(StarDictConvert, CountsSkippedParts) {
    dictconv::ConvertResult result;
    convert(starDict(32, "mP", {{"a", std::string("x\0png", 5)}}), &result);
    EXPECT_EQ(result.skippedFields, 1u);
}

struct Broken {
    const char* name;
    std::function<void(std::string& ifo, std::string& idx, std::string& dict)> damage;
    const char* message;
};

TEST_F(StarDictConvert, DamagedFilesFailAndLeaveNoOutput) {
    const Broken cases[] = {
        {"truncated .idx", [](auto&, auto& idx, auto&) { idx.resize(idx.size() - 3); },
         "d.idx: holds"},
        {"cut entry in .idx",
         [](auto& ifo, auto& idx, auto&) {
             idx.resize(idx.size() - 3);
             ifo += "idxfilesize=" + std::to_string(idx.size()) + "\n";
         },
         "is cut short"},
        {"truncated .dict", [](auto&, auto&, auto& dict) { dict.resize(dict.size() - 1); },
         "lies past its end"},
        {"word count", [](auto& ifo, auto&, auto&) { ifo += "wordcount=3\n"; }, "the .ifo says 3"},
        {"offset bits", [](auto& ifo, auto&, auto&) { ifo += "idxoffsetbits=16\n"; }, "32 or 64"},
        {"version", [](auto& ifo, auto&, auto&) { ifo += "version=1.0\n"; }, "unknown version"},
        {"not an .ifo", [](auto& ifo, auto&, auto&) { ifo = "hello\n"; }, "not a StarDict"},
        {"typed field cut short",
         [](auto& ifo, auto&, auto&) {
             ifo.replace(ifo.find("sametypesequence=m"), 18, "sametypesequence=Wm");
         },
         "is malformed"},
    };
    for (const Broken& c : cases) {
        SCOPED_TRACE(c.name);
        StarDict d = starDict(32, "m", {{"casa", "house"}, {"zucca", "pumpkin"}});
        d.damage = c.damage;
        write("out.txt", "previous\n");
        try {
            convert(d);
            ADD_FAILURE() << "no error";
        } catch (const dictconv::ConvertError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(read("out.txt"), "previous\n");
        EXPECT_EQ(fileCount(), 4u); // .ifo, .idx, .dict, out.txt: no temporary file
    }
}

} // namespace
