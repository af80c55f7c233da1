// SPDX-License-Identifier: GPL-3.0-or-later
#include "repair.h"

#include "check.h"
#include "data_file.h"
#include "output_file.h"
#include "records.h"
#include "text_kind.h"
#include "upper_case.h"
#include "utf8.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <vector>

namespace dictconv {

namespace {

struct Line {
    std::string text;
    std::size_t number;
};

std::vector<Line> splitLines(std::string_view bytes) {
    // A file that holds CRs but no LF uses CR line ends.
    const char end =
        bytes.find('\n') == std::string_view::npos && bytes.find('\r') != std::string_view::npos
            ? '\r'
            : '\n';
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const std::size_t at = bytes.find(end);
        std::string_view text = bytes.substr(0, at);
        bytes = at == std::string_view::npos ? std::string_view{} : bytes.substr(at + 1);
        if (at != std::string_view::npos && text.ends_with('\r')) text.remove_suffix(1);
        std::string clean(text);
        std::replace(clean.begin(), clean.end(), '\0', ' ');
        std::replace(clean.begin(), clean.end(), '\r', ' ');
        lines.push_back({std::move(clean), lines.size() + 1});
    }
    return lines;
}

class Repairer {
public:
    Repairer(std::string name, std::ostream& report) : name_(std::move(name)), report_(report) {}

    std::vector<Record> records(std::vector<Line> lines) {
        for (Line& line : lines)
            fixLine(line);
        std::vector<Record> records;
        for (std::size_t i = 0; i < lines.size(); i += 2) {
            checkHeadword(lines[i]);
            std::string translation = i + 1 < lines.size() ? lines[i + 1].text : std::string();
            std::string headword = toUpperUtf8(lines[i].text);
            upperCased_ += headword != lines[i].text;
            records.push_back({std::move(headword), std::move(translation)});
        }
        const auto byHeadword = [](const Record& a, const Record& b) {
            return a.headword < b.headword;
        };
        sorted_ = !std::is_sorted(records.begin(), records.end(), byHeadword);
        std::stable_sort(records.begin(), records.end(), byHeadword);
        return records;
    }
    std::size_t unrepaired() const { return unrepaired_; }
    std::string done() const {
        return std::to_string(upperCased_) + " headwords upper-cased, " +
               std::to_string(reencoded_) + " lines read as Windows-1252, " +
               (sorted_ ? "sorted" : "already in order");
    }

private:
    void left(std::size_t line, const std::string& what) {
        ++unrepaired_;
        report_ << name_ << ':' << line << ": left as it is: " << what << '\n';
    }
    // The copy is UTF-8 throughout: lines that are not UTF-8 are read as Windows-1252.
    void fixLine(Line& line) {
        if (line.text.size() > longLineLimit) left(line.number, "line longer than 1 MB");
        const TextKind kind = textKind(line.text);
        if (kind == TextKind::Cp1252 || kind == TextKind::Undefined) {
            line.text = windows1252ToUtf8(line.text);
            ++reencoded_;
        }
    }
    void checkHeadword(const Line& line) {
        const std::string& h = line.text;
        if (h.find_first_not_of(' ') == std::string::npos) {
            left(line.number, "blank headword");
        } else if (h[0] == '*' || h[0] == '=' || h[0] == '_') {
            left(line.number, "headword begins with \"" + std::string(1, h[0]) + "\"");
        }
    }

    std::string name_;
    std::ostream& report_;
    std::size_t unrepaired_ = 0, upperCased_ = 0, reencoded_ = 0;
    bool sorted_ = false;
};

} // namespace

RepairSummary repairDictionary(const std::filesystem::path& input,
                               const std::filesystem::path& output, std::ostream& report) {
    Repairer repairer(input.string(), report);
    const std::vector<Record> records =
        repairer.records(splitLines(readPlainFile(input, "dictionary")));

    OutputFile out(output);
    writeRecords(out, records);
    out.commit();
    report << "Wrote " << output.string() << ": " << records.size() << " headwords; "
           << repairer.done() << "; " << repairer.unrepaired() << " problems left\n";
    return {records.size(), repairer.unrepaired()};
}

} // namespace dictconv
