// SPDX-License-Identifier: GPL-3.0-or-later
#include "repair.h"

#include "check.h"
#include "line_reader.h"
#include "output_file.h"
#include "progress.h"
#include "record_sorter.h"
#include "temp_file.h"
#include "text_kind.h"
#include "upper_case.h"
#include "utf8.h"

#include <lexscan/exchange_format.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string_view>

namespace dictconv {

namespace {

// A file that holds CRs but no LF uses CR line ends.
char lineEnd(FileSource& file) {
    std::string block(std::size_t{1} << 20, '\0');
    bool cr = false;
    for (std::size_t got; (got = file.read(block.data(), block.size())) != 0;) {
        if (std::memchr(block.data(), '\n', got)) return '\n';
        cr = cr || std::memchr(block.data(), '\r', got);
    }
    return cr ? '\r' : '\n';
}

class Repairer {
public:
    Repairer(std::string name, std::ostream& report, RecordSorter& sorter)
        : name_(std::move(name)), report_(report), sorter_(sorter) {}

    // Lines without their line ends, in order.
    void line(std::string_view text, bool ended, std::uint64_t number) {
        if (ended && text.ends_with('\r')) text.remove_suffix(1);
        std::string& clean = haveHeadword_ ? translation_ : headword_;
        clean.assign(text);
        std::replace(clean.begin(), clean.end(), '\0', ' ');
        std::replace(clean.begin(), clean.end(), '\r', ' ');
        fixLine(clean, number);
        if (!haveHeadword_) {
            haveHeadword_ = true;
            headwordLine_ = number;
            return;
        }
        addRecord();
    }
    void end() {
        if (!haveHeadword_) return;
        translation_.clear(); // a missing last translation
        addRecord();
    }
    std::size_t unrepaired() const { return unrepaired_; }
    std::string done() const {
        return std::to_string(upperCased_) + " headwords upper-cased, " +
               std::to_string(reencoded_) + " lines read as Windows-1252, " +
               (unsorted_ ? "sorted" : "already in order");
    }

private:
    void addRecord() {
        checkHeadword(headword_, headwordLine_);
        upper_ = toUpperUtf8(headword_);
        upperCased_ += upper_ != headword_;
        if (sorter_.added() > 0 && upper_ < previous_) unsorted_ = true;
        previous_.swap(upper_);
        sorter_.add(previous_, translation_);
        haveHeadword_ = false;
    }
    void left(std::uint64_t line, const std::string& what) {
        ++unrepaired_;
        report_ << name_ << ':' << line << ": left as it is: " << what << '\n';
    }
    // The copy is UTF-8 throughout: lines that are not UTF-8 are read as Windows-1252.
    void fixLine(std::string& text, std::uint64_t number) {
        if (text.size() > longLineLimit) left(number, "line longer than 1 MB");
        const TextKind kind = textKind(text);
        if (kind == TextKind::Cp1252 || kind == TextKind::Undefined) {
            text = windows1252ToUtf8(text);
            ++reencoded_;
        }
    }
    void checkHeadword(const std::string& h, std::uint64_t number) {
        if (h.find_first_not_of(' ') == std::string::npos) {
            left(number, "blank headword");
        } else if (lexscan::isReservedFirstCharacter(h[0])) {
            left(number, "headword begins with \"" + std::string(1, h[0]) + "\"");
        }
    }

    std::string name_;
    std::ostream& report_;
    RecordSorter& sorter_;
    std::string headword_, translation_, upper_, previous_;
    std::uint64_t headwordLine_ = 0;
    bool haveHeadword_ = false, unsorted_ = false;
    std::size_t unrepaired_ = 0, upperCased_ = 0, reencoded_ = 0;
};

} // namespace

RepairSummary repairDictionary(const std::filesystem::path& input,
                               const std::filesystem::path& output, std::ostream& report) {
    FileSource file(input, "dictionary");
    const char end = lineEnd(file);
    file.rewind();

    RecordSorter sorter(temporaryFolder(output), RecordSorter::Same::Keep);
    Repairer repairer(input.string(), report, sorter);
    {
        Progress progress("repairing", file.size());
        LineReader lines(file, end, input.string());
        std::string_view text;
        bool ended = false;
        while (lines.next(text, ended)) {
            progress.update(lines.position());
            repairer.line(text, ended, lines.lineNumber());
        }
        repairer.end();
    }

    OutputFile out(output);
    const RecordSorter::Written written = sorter.write(out);
    out.commit();
    report << "Wrote " << output.string() << ": " << written.records << " headwords; "
           << repairer.done() << "; " << repairer.unrepaired() << " problems left\n";
    return {written.records, repairer.unrepaired()};
}

} // namespace dictconv
