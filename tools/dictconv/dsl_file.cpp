// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsl_file.h"

#include "line_reader.h"
#include "progress.h"
#include "random_source.h"
#include "text_codec.h"
#include "text_kind.h"
#include "utf8.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <optional>

namespace dictconv {

namespace {

// A random-access file read from its start to its end.
class SequentialSource : public ByteSource {
public:
    explicit SequentialSource(RandomSource& source) : source_(source) {}
    std::size_t read(char* into, std::size_t size) override {
        const auto count =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, source_.size() - position_));
        if (count == 0) return 0;
        std::memcpy(into, source_.at(position_, count).data(), count);
        position_ += count;
        return count;
    }
    std::uint64_t position() const override { return position_; }
    std::uint64_t size() const override { return source_.size(); }

private:
    RandomSource& source_;
    std::uint64_t position_ = 0;
};

// The iconv name of the code page a "#SOURCE_CODE_PAGE" value names.
std::string codePageName(std::string value) {
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (value == "latin") return "CP1252";
    if (value == "cyrillic") return "CP1251";
    if (value == "easterneuropean") return "CP1250";
    for (const char* prefix : {"windows-", "windows", "cp"})
        if (value.starts_with(prefix)) return "CP" + value.substr(std::strlen(prefix));
    return value;
}

// The value of the "#SOURCE_CODE_PAGE" header line in the sample, if there is one.
std::optional<std::string> sourceCodePage(std::string_view sample) {
    const std::size_t at = sample.find("#SOURCE_CODE_PAGE");
    if (at == std::string_view::npos) return {};
    std::string_view rest = sample.substr(at + 17);
    rest = rest.substr(0, rest.find_first_of("\r\n"));
    std::string value;
    for (const char c : rest)
        if (c != '"' && c != ' ' && c != '\t') value += c;
    if (value.empty()) return {};
    return value;
}

} // namespace

std::string dslEncoding(std::string_view sample, bool fileIsLonger) {
    if (sample.starts_with("\xFF\xFE")) return "UTF-16LE";
    if (sample.starts_with("\xFE\xFF")) return "UTF-16BE";
    if (sample.starts_with("\xEF\xBB\xBF")) return "UTF-8";
    if (sample.size() >= 2 && sample[0] != '\0' && sample[1] == '\0') return "UTF-16LE";
    if (sample.size() >= 2 && sample[0] == '\0' && sample[1] != '\0') return "UTF-16BE";
    // A code page named in the header wins unless the text already holds UTF-8 beyond ASCII.
    const std::optional<std::string> page = sourceCodePage(sample);
    if (page && scanUtf8(sample) != Utf8Scan::Valid) return codePageName(*page);
    if (guessUtf8(sample, fileIsLonger)) return "UTF-8";
    return page ? codePageName(*page) : "CP1252";
}

DslSummary readDsl(const std::filesystem::path& input, const std::filesystem::path& folder,
                   const DslCards::Sink& add, std::ostream& warnings, Encoding forced) {
    const std::unique_ptr<RandomSource> file = openDataSource(input, "DSL file", folder);
    const std::uint64_t sampleSize = std::min<std::uint64_t>(file->size(), 64 * 1024);
    const std::string_view sample = file->at(0, sampleSize);
    std::string encoding = dslEncoding(sample, file->size() > sampleSize);
    if (forced == Encoding::Utf8) encoding = "UTF-8";
    if (forced == Encoding::Cp1252) encoding = "CP1252";
    if (forced == Encoding::Utf16 && !encoding.starts_with("UTF-16"))
        encoding = sample.starts_with("\xFE\xFF") ? "UTF-16BE" : "UTF-16LE";
    SequentialSource bytes(*file);
    std::optional<Utf16Source> utf16;
    std::optional<TextCodec> codec;
    if (encoding.starts_with("UTF-16"))
        utf16.emplace(bytes, encoding == "UTF-16BE");
    else if (encoding != "UTF-8")
        codec.emplace(encoding);
    ByteSource& source = utf16 ? static_cast<ByteSource&>(*utf16) : bytes;

    DslCards cards(input.string(), add, warnings);
    Progress progress("reading", source.size());
    LineReader lines(source);
    std::string_view line;
    bool ended = false;
    std::string converted;
    while (lines.next(line, ended)) {
        progress.update(lines.position());
        if (codec) {
            converted = codec->toUtf8(line);
            line = converted;
        }
        if (lines.lineNumber() == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        if (line.ends_with('\r')) line.remove_suffix(1);
        cards.line(line, lines.lineNumber());
    }
    cards.finish();
    return {cards.title(), cards.unknownTags()};
}

} // namespace dictconv
