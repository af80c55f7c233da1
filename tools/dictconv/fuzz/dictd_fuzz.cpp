// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the dictd conversion, files and all.
//
// Input: a flags byte, then the index and the data bytes separated by "####". Flags bit 0: the
// harness gzip-compresses the data into "d.dict.dz"; else bit 1: the data bytes are written as
// they are to "d.dict.dz" (damaged or foreign gzip); else they go plain into "d.dict". Bit 2:
// one record a run, so merges of merges; else runs of a few hundred bytes. Every
// input must give a complete dictionary or an error that leaves the previous output as it was,
// and no temporary file may stay behind.
#include "convert.h"
#include "convert_error.h"
#include "fuzz_input.h"
#include "record_sorter.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <zlib.h>

namespace {

namespace fs = std::filesystem;

const fs::path& folder() {
    static const fs::path path = [] {
        // A memory file system where there is one: the output is synced on every run.
        std::error_code error;
        const fs::path base =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "dictd_fuzz_XXXXXX").string();
        if (!mkdtemp(pattern.data())) dictconv::fuzz::fail("cannot make a temporary folder");
        std::atexit([] { std::filesystem::remove_all(folder()); });
        return fs::path(pattern);
    }();
    return path;
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) dictconv::fuzz::fail("cannot write an input file");
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string gzip(std::string_view bytes) {
    z_stream stream{};
    if (deflateInit2(&stream, 1, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        dictconv::fuzz::fail("deflateInit2");
    std::string out(deflateBound(&stream, bytes.size()) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END) dictconv::fuzz::fail("deflate");
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// A finished dictionary: exactly the reported bytes, whole records, sorted unique headwords.
void checkOutput(const std::string& text, const dictconv::ConvertResult& result) {
    if (text.size() != result.bytes || text.empty() || text.back() != '\n')
        dictconv::fuzz::fail("output is not the reported whole");
    std::istringstream lines(text);
    std::string headword, translation, previous;
    std::size_t records = 0;
    while (std::getline(lines, headword) && std::getline(lines, translation)) {
        dictconv::fuzz::checkRecord(headword, translation);
        if (records++ > 0 && !(previous < headword)) dictconv::fuzz::fail("headwords not sorted");
        previous = headword;
    }
    if (records != result.headwords || lines.get() != std::char_traits<char>::eof())
        dictconv::fuzz::fail("record count differs from the report");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) return 0;
    const auto flags = static_cast<std::uint8_t>(input[0]);
    const auto parts = dictconv::fuzz::splitParts(input.substr(1), 2);

    const fs::path index = folder() / "d.index";
    const fs::path out = folder() / "out.txt";
    const bool compressed = flags & 0x01, rawDz = flags & 0x02;
    const fs::path dataPath = folder() / (compressed || rawDz ? "d.dict.dz" : "d.dict");
    fs::remove(folder() / "d.dict");
    fs::remove(folder() / "d.dict.dz");
    writeFile(index, parts[0]);
    writeFile(dataPath, compressed ? gzip(parts[1]) : std::string(parts[1]));
    writeFile(out, "previous\n");
    dictconv::setSortMemory(flags & 0x04 ? 1 : 512); // the runs and their merge fuzzed too

    try {
        const dictconv::ConvertResult result = dictconv::convertDictionary(index, dataPath, out);
        checkOutput(readFile(out), result);
    } catch (const dictconv::ConvertError&) {
        if (readFile(out) != "previous\n") dictconv::fuzz::fail("an error changed the output");
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder()))
        ++files;
    if (files != 3) dictconv::fuzz::fail("a temporary file was left behind");
    return 0;
}
