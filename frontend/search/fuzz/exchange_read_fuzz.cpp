// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the program's reading of the exchange file: the first read after a search
// and the page read, with line kinds and decoding.
//
// Input: one control byte (bit 0 Windows-1252, bit 1 the query is "*", bit 2 stretch, bits 3-5
// the page to read minus one), the root up to the first LF, then the exchange file's bytes. With
// stretch set, the first four bytes 0x01 inside a line stand for 50,000 copies of the byte
// before them, so that short inputs reach lines longer than any query.

#include "exchange_lines.h"
#include "exchange_reader.h"
#include "long_lines.h"
#include "text_encoding.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int stretchCount = 50'000;
constexpr int maxStretches = 4;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "exchange_read_fuzz: %s\n", what);
    std::abort();
}

void check(bool ok, const char* what) {
    if (!ok) fail(what);
}

std::string folder;
std::string filePath;

void removeFiles() {
    ::unlink(filePath.c_str());
    ::rmdir(folder.c_str());
}

QByteArray stretched(const QByteArray& bytes) {
    QByteArray out;
    int stretches = 0;
    for (const char c : bytes) {
        if (c == 0x01 && !out.isEmpty() && out.back() != '\n' && stretches < maxStretches) {
            out.append(stretchCount, out.back());
            ++stretches;
        } else {
            out.append(c);
        }
    }
    return out;
}

void writeFile(const QByteArray& bytes) {
    const int fd = ::open(filePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    check(fd >= 0, "cannot write the exchange file");
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        check(n > 0, "short write");
        done += n;
    }
    ::close(fd);
}

// The file's lines as the format defines them: LF ends a line, a CR before it is no part of
// it, a last line may lack its LF.
std::vector<QByteArray> modelLines(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0) end = bytes.size();
        QByteArray line = bytes.mid(pos, end - pos);
        if (line.endsWith('\r')) line.chop(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

bool isHeader(const QByteArray& line) {
    return line.startsWith('*');
}

// Blanks are spaces; a tab is a character like any other.
bool isBlank(const QString& text) {
    for (const QChar c : text)
        if (c != u' ') return false;
    return true;
}

struct Shown {
    std::vector<QString> neighbours;
    int whereinto = 0;
    int translations = 0;
    bool morePages = false;
};

// A line cut short may show only blanks at its start; its classification saw all of it.
void checkItem(const QString& text, bool cut, const HeadwordSorter& sorter, bool neighbour) {
    check(cut || !isBlank(text), "an empty or blank list item");
    if (neighbour)
        check(sorter.allHeadwords || text.startsWith(sorter.root), "NL item without the root");
}

// The driver's first read: request and first header skipped, then up to the next header.
bool firstRead(ExchangeReader& reader, const HeadwordSorter& sorter, TextEncoding encoding,
               Shown& shown) {
    QByteArrayView line;
    int skipped = 0;
    while (skipped <= requestLineCount && reader.next(line))
        ++skipped;
    if (skipped <= requestLineCount || classifyLine(line) != LineKind::ChunkHeader) return false;
    const FirstChunkReader chunk(sorter, encoding);
    QString text;
    bool cut = false;
    while (!shown.morePages && reader.next(line)) {
        switch (chunk.take(line, text, &cut)) {
        case FirstChunkReader::Step::Nothing:
            break;
        case FirstChunkReader::Step::Neighbour:
            text = decodeResultLine(line, encoding, &cut); // as the list shows it
            checkItem(text, cut, sorter, true);
            shown.neighbours.push_back(text);
            break;
        case FirstChunkReader::Step::Whereinto:
            text = decodeResultLine(line, encoding, &cut);
            checkItem(text, cut, sorter, false);
            ++shown.whereinto;
            break;
        case FirstChunkReader::Step::Translation:
            ++shown.translations;
            break;
        case FirstChunkReader::Step::MoreChunks:
            shown.morePages = true;
            break;
        }
    }
    return true;
}

Shown pageRead(ExchangeReader& reader, int page, const HeadwordSorter& sorter,
               TextEncoding encoding) {
    Shown shown;
    PageReader reading(page, sorter, encoding);
    QByteArrayView line;
    QString text;
    bool cut = false;
    while (!shown.morePages && reader.next(line)) {
        switch (reading.take(line)) {
        case PageReader::Step::Skip:
            break;
        case PageReader::Step::Neighbour:
            text = decodeResultLine(line, encoding, &cut);
            checkItem(text, cut, sorter, true);
            shown.neighbours.push_back(text);
            break;
        case PageReader::Step::MoreChunks:
            shown.morePages = true;
            break;
        }
    }
    return shown;
}

// Decoding keeps every byte of a Windows-1252 line and every valid UTF-8 line.
void checkRoundTrip(const QByteArray& line, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8 && detectEncoding(line, false) != TextEncoding::Utf8) return;
    check(encodeText(decodeText(line, encoding), encoding) == line, "decoding loses bytes");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QByteArray base = qgetenv("TMPDIR");
    if (base.isEmpty()) base = QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : "/tmp";
    std::string pattern = base.toStdString() + "/exchange_read_fuzz.XXXXXX";
    check(::mkdtemp(pattern.data()) != nullptr, "cannot make a folder");
    folder = pattern;
    filePath = folder + "/zzz.log";
    std::atexit(removeFiles);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const uint8_t control = data[0];
    const TextEncoding encoding = (control & 1) ? TextEncoding::Windows1252 : TextEncoding::Utf8;
    const bool allHeadwords = (control & 2) != 0;
    const int page = 1 + ((control >> 3) & 7);
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    const qsizetype lf = rest.indexOf('\n');
    if (lf < 0) return 0;
    const QString root = decodeText(rest.first(lf), encoding);
    if (root.isEmpty() && !allHeadwords) return 0; // a root has at least one character
    const QByteArray tail = rest.sliced(lf + 1);
    const QByteArray file = (control & 4) ? stretched(tail) : tail;
    writeFile(file);
    const HeadwordSorter sorter{root, allHeadwords};

    const std::vector<QByteArray> lines = modelLines(file);
    ExchangeReader reader;
    check(reader.open(QString::fromStdString(filePath)), "cannot open the exchange file");
    check(reader.size() == file.size(), "wrong size");
    const QByteArray start = file.left(control % 7);
    check(reader.beginsWith(start), "beginsWith misses the file's start");
    QByteArrayView line;
    for (const QByteArray& expected : lines) {
        check(reader.next(line) && line == expected, "a line differs from the file's");
        if (expected.size() <= 4096) checkRoundTrip(expected, encoding);
    }
    check(!reader.next(line), "a line after the end");
    check(!reader.failed(), "a read error");

    // Chunk headers after the request, and the lines of each chunk body.
    int headers = 0;
    int firstChunkItems = 0;
    for (size_t i = requestLineCount; i < lines.size(); ++i) {
        const LineKind kind = classifyLine(lines[i]);
        if (isHeader(lines[i]))
            ++headers;
        else if (headers == 1 && (kind == LineKind::Headword || kind == LineKind::Translation))
            ++firstChunkItems;
    }
    const bool results = lines.size() > requestLineCount && isHeader(lines[requestLineCount]);

    check(reader.open(QString::fromStdString(filePath)), "cannot open the file again");
    Shown first;
    check(firstRead(reader, sorter, encoding, first) == results, "results found where none are");
    if (!results) return 0;
    check(first.morePages == (headers >= 2), "next page shown against the chunk headers");
    check(static_cast<int>(first.neighbours.size()) + first.whereinto + first.translations ==
              firstChunkItems,
          "the first read took lines of another chunk or dropped some");

    check(reader.open(QString::fromStdString(filePath)), "cannot open the file for a page");
    const Shown shown = pageRead(reader, page, sorter, encoding);
    check(shown.morePages == (page < headers), "next page shown against the chunk headers");
    if (page > headers) check(shown.neighbours.empty(), "items on a page that does not exist");
    if (page == 1)
        check(shown.neighbours == first.neighbours, "page 1 differs from the first read");
    reader.close();
    return 0;
}
