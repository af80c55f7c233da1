// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_checks.h"

#include "check.h"
#include "text_kind.h"

#include <lexscan/exchange_format.h>

#include <ostream>

namespace dictconv {

namespace {

// A headword as messages quote it: at most 60 bytes.
std::string quoted(std::string_view text) {
    return "\"" + std::string(text.substr(0, 60)) + (text.size() > 60 ? "...\"" : "\"");
}

bool isAsciiLowerFree(std::string_view text) {
    for (const char c : text)
        if (c >= 'a' && c <= 'z') return false;
    return true;
}

} // namespace

LineChecks::LineChecks(std::string name, bool utf8, std::ostream& report)
    : name_(std::move(name)), utf8_(utf8), report_(report) {}

void LineChecks::problem(Kind kind, const std::string& what) {
    ++counts_[kind];
    report_ << name_ << ':' << lineNumber_ << ": " << what << '\n';
}

void LineChecks::add(const CheckedLine& line) {
    ++lineNumber_;
    if (line.nul) problem(Nul, "NUL byte");
    if (line.loneCr) problem(LoneCr, "carriage return without a line feed (lone CR)");
    if (line.length > longLineLimit) {
        problem(Long, "line longer than 1 MB (" + std::to_string(line.length) + " bytes)");
    }
    const TextKind kind = line.plainAscii ? TextKind::Ascii
                          : line.utf8     ? TextKind::Utf8
                                          : textKind(line.text);
    switch (kind) {
    case TextKind::Ascii:
        break;
    case TextKind::Utf8:
        if (!utf8_) problem(Encoding, "UTF-8 text in a Windows-1252 file (mixed encodings)");
        break;
    case TextKind::Cp1252:
        if (utf8_) problem(Encoding, "bytes that are not UTF-8 in a UTF-8 file (mixed encodings)");
        break;
    case TextKind::Undefined:
        problem(Encoding, "bytes that are neither UTF-8 nor Windows-1252");
        break;
    }
    if (lineNumber_ % 2 == 1) checkHeadword(line.text, kind == TextKind::Ascii);
}

void LineChecks::checkHeadword(std::string_view headword, bool ascii) {
    if (headword.find_first_not_of(' ') == std::string_view::npos) {
        problem(Blank, "blank headword");
    } else if (lexscan::isReservedFirstCharacter(headword[0])) {
        problem(Reserved, "headword " + quoted(headword) + " begins with \"" + headword[0] +
                              "\", which the format reserves");
    }
    const bool upper = isAsciiLowerFree(headword) && (ascii || isUpperCase(headword, utf8_));
    if (!upper) problem(NotUpper, "headword " + quoted(headword) + " is not upper case");
    if (previousLine_ != 0 && headword < std::string_view(previous_)) {
        // The first pair alone is shown; the summary counts the others.
        if (counts_[OutOfOrder]++ == 0) {
            report_ << name_ << ':' << lineNumber_
                    << ": headwords out of order: " << quoted(previous_) << " (line "
                    << previousLine_ << ") comes before " << quoted(headword) << '\n';
        }
    }
    previous_.assign(headword);
    previousLine_ = lineNumber_;
}

std::size_t LineChecks::finish() {
    if (lineNumber_ % 2 == 1)
        problem(OddCount, "odd number of lines: the last headword has no translation line");
    static constexpr const char* names[KindCount] = {
        "odd line count", "not upper case", "out of order", "reserved first character",
        "blank headword", "lone CR",        "encoding",     "NUL byte",
        "line over 1 MB"};
    std::size_t total = 0;
    std::string detail;
    for (int kind = 0; kind < KindCount; ++kind) {
        if (counts_[kind] == 0) continue;
        total += counts_[kind];
        detail += (detail.empty() ? "" : ", ") + std::to_string(counts_[kind]) + " " + names[kind];
    }
    report_ << name_ << ": " << lineNumber_ << " lines, " << (lineNumber_ + 1) / 2 << " headwords, "
            << (utf8_ ? "UTF-8" : "Windows-1252") << ": "
            << (total == 0 ? "no problems" : std::to_string(total) + " problems (" + detail + ")")
            << '\n';
    return total;
}

} // namespace dictconv
