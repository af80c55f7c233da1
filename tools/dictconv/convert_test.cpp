// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"
#include "convert_error.h"
#include "random_source.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>
#include <zlib.h>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void writeGzip(const fs::path& path, const std::string& text) {
    gzFile file = gzopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(gzwrite(file, text.data(), static_cast<unsigned>(text.size())),
              static_cast<int>(text.size()));
    ASSERT_EQ(gzclose(file), Z_OK);
}

// The dictd base64 form of a number, most significant digit first.
std::string dictdNumber(std::size_t value) {
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    do {
        out.insert(out.begin(), digits[value % 64]);
        value /= 64;
    } while (value);
    return out;
}

// Builds a dictd dictionary from (headword, entry body) pairs, each body stored once.
struct Dictd {
    std::string index;
    std::string data;

    Dictd& add(const std::string& headword, const std::string& body) {
        index +=
            headword + '\t' + dictdNumber(data.size()) + '\t' + dictdNumber(body.size()) + '\n';
        data += body;
        return *this;
    }
};

class Convert : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "dictconv_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        setenv("XDG_CACHE_HOME", dir_.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const Dictd& d) {
        writeFile(index(), d.index);
        writeGzip(data(), d.data);
    }
    dictconv::ConvertResult convert() {
        return dictconv::convertDictionary(index(), data(), out());
    }
    fs::path index() const { return dir_ / "d.index"; }
    fs::path data() const { return dir_ / "d.dict.dz"; }
    fs::path out() const { return dir_ / "out.txt"; }
    std::size_t fileCount() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
};

TEST_F(Convert, WritesSortedMergedTwoLineRecords) {
    Dictd d;
    d.add("", "header\n")
        .add("00databaseshort", "Italian-English\n")
        .add("00-database-info", "info\n")
        .add("zucca", "zucca /ˈtsukːa/\npumpkin\n")
        .add("città", "Città /tʃitːˈa/\nCape Town\n")
        .add("*", "star\n")
        .add("=x", "eq\n")
        .add("_y", "under\n")
        .add(" casa ", "casa\nhouse\n\n  home\t(dwelling)\r\n")
        .add("città", "città /tʃitːˈa/\ncity, town\n")
        .add("straße", "Straße <n>\nstreet\n")
        .add("abete", "abete\n");
    write(d);

    const dictconv::ConvertResult result = convert();

    const std::string expected = "ABETE\n\n"
                                 "CASA\nhouse; home (dwelling)\n"
                                 "CITTÀ\nCape Town | city, town\n"
                                 "STRAßE\nstreet\n"
                                 "ZUCCA\npumpkin\n";
    EXPECT_EQ(readFile(out()), expected);
    EXPECT_EQ(result.headwords, 5u);
    EXPECT_EQ(result.bytes, expected.size());
    EXPECT_EQ(fileCount(), 3u); // no temporary file left beside the output
}

// The data is read by offset a window at a time: an index in reverse order and an entry
// larger than a window must give what a sequential reading gives.
TEST_F(Convert, ReadsEntriesInAnyOrderAndOfAnySize) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (int i = 0; i < 3000; ++i) {
        const std::string word = "w" + std::to_string(10000 + i);
        entries.push_back({word, word + "\n" + std::string(500, 'a' + i % 26) + "\n"});
    }
    entries.push_back({"big", "big\n" + std::string(3 << 20, 'b') + "\n"});
    Dictd d;
    for (const auto& [word, body] : entries)
        d.add(word, body);
    std::istringstream lines(d.index);
    std::vector<std::string> reversed;
    for (std::string line; std::getline(lines, line);)
        reversed.insert(reversed.begin(), line + "\n");
    d.index.clear();
    for (const std::string& line : reversed)
        d.index += line;

    std::string expected = "BIG\n" + std::string(3 << 20, 'b') + "\n";
    for (std::size_t i = 0; i + 1 < entries.size(); ++i)
        expected += "W" + entries[i].first.substr(1) + "\n" + entries[i].second.substr(7);
    for (const bool compressed : {false, true}) {
        SCOPED_TRACE(compressed ? "compressed" : "plain");
        fs::remove(data());
        writeFile(index(), d.index);
        const fs::path dataPath = compressed ? data() : dir_ / "d.dict";
        if (compressed)
            writeGzip(dataPath, d.data);
        else
            writeFile(dataPath, d.data);
        dictconv::dataBytesRead = 0;
        dictconv::convertDictionary(index(), dataPath, out());
        EXPECT_TRUE(readFile(out()) == expected);
        // Each byte read about once, not a window for every entry.
        EXPECT_LT(dictconv::dataBytesRead, d.data.size() + (2u << 20));
    }
    // Entries sharing a headword keep the index's order, whatever the data's.
    writeFile(index(), "dup\tK\tL\ndup\tA\tK\n");
    writeFile(dir_ / "d.dict", "dup\nfirst\ndup\nsecond\n");
    dictconv::convertDictionary(index(), dir_ / "d.dict", out());
    EXPECT_EQ(readFile(out()), "DUP\nsecond | first\n");
}

TEST_F(Convert, ReplacesAnExistingOutput) {
    write(Dictd().add("casa", "casa\nhouse\n"));
    writeFile(out(), "old content that is longer than the new one\n");
    convert();
    EXPECT_EQ(readFile(out()), "CASA\nhouse\n");
}

struct BadInput {
    const char* name;
    std::function<void(const fs::path& index, const fs::path& data)> damage;
    const char* messagePart;
};

TEST_F(Convert, BadInputFailsAndLeavesNoOutput) {
    const Dictd good = Dictd()
                           .add("casa", "casa\nhouse, home, dwelling, residence\n")
                           .add("zucca", std::string(4000, 'z') + "\npumpkin\n");
    const BadInput cases[] = {
        {"missing index", [](const fs::path& i, const fs::path&) { fs::remove(i); },
         "cannot read index file"},
        {"missing data", [](const fs::path&, const fs::path& dz) { fs::remove(dz); },
         "cannot read data file"},
        {"truncated gzip",
         [](const fs::path&, const fs::path& dz) { fs::resize_file(dz, fs::file_size(dz) - 12); },
         "cannot read data file"},
        {"damaged gzip",
         [](const fs::path&, const fs::path& dz) {
             std::string bytes = readFile(dz);
             bytes[bytes.size() - 6] ^= 0x55; // inside the CRC
             writeFile(dz, bytes);
         },
         "cannot read data file"},
        {"not gzip", [](const fs::path&, const fs::path& dz) { writeFile(dz, "plain text\n"); },
         "not gzip"},
        {"offset out of range",
         [](const fs::path& i, const fs::path&) { writeFile(i, "casa\tA\tB\nzucca\tBAAA\tB\n"); },
         "points outside"},
        {"length out of range",
         [](const fs::path& i, const fs::path&) { writeFile(i, "casa\tA\tBAAA\n"); },
         "points outside"},
        {"bad base64",
         [](const fs::path& i, const fs::path&) { writeFile(i, "casa\tA\tB\nzucca\tA-B\tB\n"); },
         ":2: bad offset"},
        {"missing field", [](const fs::path& i, const fs::path&) { writeFile(i, "casa\tA\n"); },
         ":1: expected"},
        {"no headwords",
         [](const fs::path& i, const fs::path&) { writeFile(i, "00databaseinfo\tA\tB\n"); },
         "no headwords"},
    };
    for (const BadInput& c : cases) {
        SCOPED_TRACE(c.name);
        write(good);
        c.damage(index(), data());
        writeFile(out(), "previous\n");
        try {
            convert();
            ADD_FAILURE() << "no error";
        } catch (const dictconv::ConvertError& e) {
            EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
        }
        EXPECT_EQ(readFile(out()), "previous\n");
        for (const auto& entry : fs::directory_iterator(dir_)) {
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
        }
    }
}

TEST_F(Convert, UnwritableOutputFolderIsAnError) {
    write(Dictd().add("casa", "casa\nhouse\n"));
    EXPECT_THROW(dictconv::convertDictionary(index(), data(), dir_ / "no" / "out.txt"),
                 dictconv::ConvertError);
}

} // namespace
