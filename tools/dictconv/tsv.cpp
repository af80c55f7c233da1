// SPDX-License-Identifier: GPL-3.0-or-later
#include "tsv.h"

#include "convert_error.h"
#include "entry_text.h"
#include "line_reader.h"
#include "progress.h"
#include "record_sorter.h"
#include "text_survey.h"
#include "utf8.h"

#include <memory>
#include <ostream>

namespace dictconv {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The fields after the first tab, trimmed; the empty ones left out.
void joinFields(std::string_view rest, std::string& out) {
    out.clear();
    while (true) {
        const std::size_t tab = rest.find('\t');
        const std::string_view field = trimmed(rest.substr(0, tab));
        if (!field.empty()) {
            if (!out.empty()) out += "; ";
            const std::size_t at = out.size();
            out += field;
            for (std::size_t i = at; i < out.size(); ++i)
                if (out[i] == '\r' || out[i] == '\0') out[i] = ' ';
        }
        if (tab == std::string_view::npos) return;
        rest.remove_prefix(tab + 1);
    }
}

// Stops on line ends that are mixed, and on a file whose lines beyond ASCII are mostly UTF-8
// but not all: one read as Windows-1252 would come out garbled in part.
void refuseMixed(const TextSurvey& survey, const std::string& name, bool guessing) {
    if (survey.mixedLine) {
        throw ConvertError(name + ":" + std::to_string(survey.mixedLine) +
                           ": line ends mixed: this line's end differs from those before it "
                           "(CR alone against LF or CR LF)");
    }
    if (!guessing || survey.notUtf8 == 0 || survey.notUtf8 * 2 > survey.nonAscii) return;
    std::string lines;
    for (const std::uint64_t line : survey.firstNotUtf8)
        lines += (lines.empty() ? "" : ", ") + std::to_string(line);
    if (survey.notUtf8 > survey.firstNotUtf8.size())
        lines += " and " + std::to_string(survey.notUtf8 - survey.firstNotUtf8.size()) + " more";
    throw ConvertError(name + ": mostly UTF-8, but not on line" +
                       (survey.notUtf8 > 1 ? "s " : " ") + lines +
                       "; give --encoding utf-8 or --encoding cp1252 to read it one way");
}

// The source the lines come from: the file, or its UTF-16 decoded, after the byte order mark.
struct Decoded {
    Decoded(FileSource& file, Encoding encoding) : file_(file) {
        char mark[2] = {};
        marked_ = file.read(mark, 2) == 2 && ((mark[0] == '\xFF' && mark[1] == '\xFE') ||
                                              (mark[0] == '\xFE' && mark[1] == '\xFF'));
        bigEndian_ = marked_ && mark[0] == '\xFE';
        utf16_ = marked_ || encoding == Encoding::Utf16;
        rewind();
    }
    void rewind() {
        file_.rewind();
        char mark[2];
        if (marked_) file_.read(mark, 2);
        if (utf16_)
            utf16 = std::make_unique<Utf16Source>(
                file_, bigEndian_); // its mark comes out as UTF-8's, dropped
    }
    ByteSource& source() { return utf16 ? static_cast<ByteSource&>(*utf16) : file_; }

    FileSource& file_;
    std::unique_ptr<Utf16Source> utf16;
    bool marked_ = false, bigEndian_ = false, utf16_ = false;
};

} // namespace

std::uint64_t readTsv(const std::filesystem::path& input, RecordSorter& sorter,
                      std::ostream& warnings, Encoding encoding) {
    const std::string name = input.string();
    FileSource file(input, "tab-separated file");
    Decoded decoded(file, encoding);
    TextSurvey survey;
    {
        Progress progress("checking the encoding", file.size());
        survey = surveyText(decoded.source(), name);
    }
    decoded.rewind();
    refuseMixed(survey, name, encoding == Encoding::Guess && !decoded.utf16_);
    const bool utf8 = decoded.utf16 != nullptr || encoding == Encoding::Utf8 ||
                      (encoding == Encoding::Guess && survey.notUtf8 == 0);
    ByteSource& source = decoded.source();

    Progress progress("reading", source.size());
    LineReader lines(source, survey.lineEnd, name);
    std::string_view line;
    bool ended = false;
    std::string converted, translation;
    std::uint64_t skipped = 0;
    while (lines.next(line, ended)) {
        progress.update(lines.position());
        if (!utf8) {
            converted = windows1252ToUtf8(line);
            line = converted;
        } else if (lines.lineNumber() == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.remove_prefix(3);
        }
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            throw ConvertError(name + ":" + std::to_string(lines.lineNumber()) +
                               ": no tab between headword and translation");
        }
        const std::string headword = cleanHeadword(line.substr(0, tab));
        if (!isWantedHeadword(headword)) {
            warn(warnings, name + ":" + std::to_string(lines.lineNumber()) +
                               ": skipped: the headword \"" + headword +
                               "\" is blank, begins with \"*\", \"=\" or \"_\", or is metadata\n");
            ++skipped;
            continue;
        }
        joinFields(line.substr(tab + 1), translation);
        sorter.add(headword, translation);
    }
    return skipped;
}

} // namespace dictconv
