// SPDX-License-Identifier: GPL-3.0-or-later
#include "tsv.h"

#include "convert_error.h"
#include "entry_text.h"
#include "line_reader.h"
#include "progress.h"
#include "record_sorter.h"
#include "utf8.h"

#include <optional>
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

// True when every line of the source is UTF-8, which is the whole being UTF-8: no sequence
// holds an LF.
bool allUtf8(ByteSource& source, const std::string& name) {
    LineReader lines(source, '\n', name);
    std::string_view line;
    bool ended = false;
    while (lines.next(line, ended))
        if (!isValidUtf8(line)) return false;
    return true;
}

} // namespace

std::uint64_t readTsv(const std::filesystem::path& input, RecordSorter& sorter,
                      std::ostream& warnings) {
    const std::string name = input.string();
    FileSource file(input, "tab-separated file");
    char mark[2] = {};
    const bool marked = file.read(mark, 2) == 2 && ((mark[0] == '\xFF' && mark[1] == '\xFE') ||
                                                    (mark[0] == '\xFE' && mark[1] == '\xFF'));
    std::optional<Utf16Source> utf16;
    bool utf8 = true;
    if (marked) {
        utf16.emplace(file, mark[0] == '\xFE'); // its mark comes out as UTF-8's, dropped below
    } else {
        file.rewind();
        Progress progress("checking the encoding", file.size());
        utf8 = allUtf8(file, name);
        file.rewind();
    }
    ByteSource& source = utf16 ? static_cast<ByteSource&>(*utf16) : file;

    Progress progress("reading", source.size());
    LineReader lines(source, '\n', name);
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
            warnings << name << ":" << lines.lineNumber() << ": skipped: the headword \""
                     << headword
                     << "\" is blank, begins with \"*\", \"=\" or \"_\", or is metadata\n";
            ++skipped;
            continue;
        }
        joinFields(line.substr(tab + 1), translation);
        sorter.add(headword, translation);
    }
    return skipped;
}

} // namespace dictconv
