// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the scanning engine.
//
// Input: four request lines (QW, root, mode, options), then the dictionary bytes. The options
// line picks the reader's block size (low four bits) and whether the dictionary is repeated (top
// four bits), so that inputs also reach the 32000-line chunk boundary. The engine's output is
// checked against a plain model of the scan and against the result format's own invariants, for
// the block scan with each vector path and for the line-by-line scan.

#include "lexscan/scan.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

using lexscan::chunkLimit;

struct Chunk {
    std::uint32_t neighbours = 0;
    std::string lines;
};

class CollectingSink : public lexscan::ChunkSink {
public:
    bool takeChunk(std::uint32_t neighbours, std::string_view lines) override {
        chunks.push_back({neighbours, std::string(lines)});
        return true;
    }
    std::vector<Chunk> chunks;
};

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "scan_fuzz: %s\n", what);
    std::abort();
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}

// Characters in QW: code points when QW is valid UTF-8, else bytes. Decodes each sequence in full
// and checks the code point it gives, unlike the engine's check of the leading bytes.
std::size_t modelCharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC0) || lead > 0xF7 || at + length > text.size())
            return text.size();
        std::uint32_t point = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) return text.size();
            point = (point << 6) | (next & 0x3Fu);
        }
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return text.size();
        at += length;
    }
    return count;
}

// The scan as the format describes it, one record at a time, without any speed tricks.
std::vector<Chunk> modelScan(const std::vector<std::string_view>& lines,
                             const lexscan::Request& request) {
    const std::string& qw = request.query;
    const std::string& root = request.root;
    const std::string& mode = request.mode;
    std::vector<Chunk> chunks(1);
    bool nlFound = false;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const std::string_view headword = lines[i];
        bool exact = headword == qw;
        const std::size_t rootAt = headword.find(root);
        bool neighbour = false;
        bool whereinto = false;
        if (qw == "*" || rootAt == 0) {
            neighbour = true;
        } else if (rootAt != std::string_view::npos) {
            whereinto = true;
        } else if (mode == "1" && nlFound && modelCharacterCount(qw) >= 2) {
            break;
        } else {
            whereinto = true;
        }
        if (neighbour && mode != "0" && mode != "2") {
            chunks.back().lines.append(headword).append("\r\n");
            nlFound = true;
            if (++chunks.back().neighbours == chunkLimit) chunks.emplace_back();
        }
        if (whereinto && headword.find(qw) != std::string_view::npos && mode != "0" && mode != "1")
            chunks.back().lines.append(headword).append("\r\n");
        if (exact) {
            const std::string_view translation = i + 1 < lines.size() ? lines[i + 1] : "";
            chunks.back().lines.append("=").append(translation).append("\r\n");
            if (mode == "0") break;
        }
    }
    return chunks;
}

// The format's own rules, checked on the output alone: every chunk but the last is full, each
// header counts the NL lines after it, every line is a headword or a PT line of the input, and
// NL and WL lines follow the placement rules. Headwords that begin with "=" cannot be told from
// PT lines, so the count is checked only where the input has none.
void checkInvariants(const std::vector<Chunk>& chunks, const lexscan::Request& request,
                     const std::vector<std::string_view>& lines) {
    if (chunks.empty()) fail("no chunk handed over");
    std::unordered_set<std::string_view> headwords, translations{""};
    bool reserved = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i % 2 == 0) {
            headwords.insert(lines[i]);
            reserved = reserved || lines[i].starts_with('=');
        } else {
            translations.insert(lines[i]);
        }
    }
    const bool everything = request.query == "*";
    for (std::size_t c = 0; c < chunks.size(); ++c) {
        if (c + 1 < chunks.size() && chunks[c].neighbours != chunkLimit)
            fail("a chunk before the last is not full");
        if (chunks[c].neighbours > chunkLimit) fail("a chunk holds too many NL lines");
        std::uint32_t nl = 0;
        for (std::string_view body = chunks[c].lines; !body.empty();) {
            const std::size_t end = body.find("\r\n");
            if (end == std::string_view::npos) fail("a result line without CR LF");
            const std::string_view line = body.substr(0, end);
            body.remove_prefix(end + 2);
            if (line.starts_with('=') && translations.contains(line.substr(1))) continue;
            if (!reserved && line.starts_with('=')) fail("a PT line not from the input");
            if (!headwords.contains(line)) fail("a result line that is no headword of the input");
            if (everything || line.starts_with(request.root))
                ++nl;
            else if (line.find(request.query) == std::string_view::npos)
                fail("a WL line without QW");
        }
        if (!reserved && nl != chunks[c].neighbours) fail("a header miscounts its NL lines");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view field[4];
    for (auto& f : field) {
        const std::size_t lf = input.find('\n');
        if (lf == std::string_view::npos) return 0;
        f = input.substr(0, lf);
        input.remove_prefix(lf + 1);
    }
    const lexscan::Request request{"", std::string(field[0]), std::string(field[1]),
                                   std::string(field[2])};
    const unsigned options = field[3].empty() ? 0 : static_cast<unsigned char>(field[3][0]);
    const std::size_t blockSize = (options & 0x0f) == 0 ? 65536 : (options & 0x0f);
    std::string dictionary(input);
    if ((options & 0xf0) == 0xf0 && !dictionary.empty()) {
        // Repeat the dictionary until it passes the chunk limit, to reach chunk boundaries.
        const std::string unit = dictionary.back() == '\n' ? dictionary : dictionary + "\n";
        const std::size_t unitLines =
            static_cast<std::size_t>(std::count(unit.begin(), unit.end(), '\n'));
        dictionary.clear();
        for (std::size_t lines = 0; lines < 2 * chunkLimit + 8 && dictionary.size() < (2u << 20);
             lines += unitLines)
            dictionary += unit;
    }

    const std::vector<std::string_view> lines = splitLines(dictionary);
    const std::vector<Chunk> expected = modelScan(lines, request);
    // The block scan with each vector path, then the line-by-line scan.
    lexscan::NamedCandidateFinder finders[vocabrix::text::pathCount];
    const std::size_t finderCount = lexscan::availableCandidateFinders(finders);
    CollectingSink sink;
    for (std::size_t engine = 0; engine <= finderCount; ++engine) {
        lexscan::MemorySource source(dictionary, blockSize * 3 + 1);
        lexscan::LineReader reader(source, blockSize);
        sink.chunks.clear();
        const lexscan::ScanStatus status =
            engine < finderCount ? lexscan::scanLines(reader, request, sink, finders[engine].find)
                                 : lexscan::scanLineByLine(reader, request, sink);
        if (status != lexscan::ScanStatus::Completed) fail("a scan of memory did not complete");
        if (sink.chunks.size() != expected.size()) fail("chunk count differs from the model");
        for (std::size_t c = 0; c < expected.size(); ++c) {
            if (sink.chunks[c].neighbours != expected[c].neighbours) fail("NL count differs");
            if (sink.chunks[c].lines != expected[c].lines) fail("chunk lines differ");
        }
    }
    checkInvariants(sink.chunks, request, lines);
    return 0;
}
