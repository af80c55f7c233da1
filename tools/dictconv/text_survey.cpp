// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_survey.h"

#include "convert_error.h"
#include "utf8.h"

#include <cstring>
#include <string_view>

namespace dictconv {

namespace {

constexpr std::size_t blockSize = std::size_t{1} << 20;
constexpr std::size_t namedLines = 3;

class Surveyor {
public:
    Surveyor(ByteSource& source, std::string name) : source_(source), name_(std::move(name)) {}

    TextSurvey run() {
        while (step()) {
        }
        return survey_;
    }

private:
    // Takes the next line, or reads more; false at the end or at mixed line ends. A CR alone
    // ends a line only after a tab, that is, after a record: elsewhere it is part of the text.
    bool step() {
        const char* begin = buffer_.data() + at_;
        const char* from = buffer_.data() + from_;
        const char* end = buffer_.data() + held_;
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', end - from));
        const char* stop = lf ? lf : end;
        const auto* cr = static_cast<const char*>(std::memchr(from, '\r', stop - from));
        if (cr && cr + 1 == end && !ended_) {
            more();
            return true;
        }
        if (cr && cr + 1 < end && cr[1] == '\n') return take(begin, cr, '\n', 2);
        if (cr && !std::memchr(begin, '\t', cr - begin)) {
            from_ = cr + 1 - buffer_.data();
            return true;
        }
        if (cr) return take(begin, cr, '\r', 1);
        if (lf) return take(begin, lf, '\n', 1);
        if (!ended_) {
            more();
            return true;
        }
        if (begin != end) line(begin, end, 0);
        return false;
    }
    bool take(const char* begin, const char* end, char lineEnd, std::size_t size) {
        at_ = from_ = end + size - buffer_.data();
        return line(begin, end, lineEnd);
    }
    // One line and its end (0 for none); false when the ends are mixed.
    bool line(const char* begin, const char* end, char lineEnd) {
        ++number_;
        const Utf8Scan scan = scanUtf8(std::string_view(begin, end - begin));
        if (scan != Utf8Scan::Ascii) ++survey_.nonAscii;
        if (scan == Utf8Scan::Invalid && ++survey_.notUtf8 <= namedLines)
            survey_.firstNotUtf8.push_back(number_);
        if (lineEnd == 0) return true;
        if (number_ == 1) survey_.lineEnd = lineEnd;
        if (lineEnd == survey_.lineEnd) return true;
        survey_.mixedLine = number_;
        return false;
    }
    void more() {
        if (held_ - at_ >= longestLine) {
            throw ConvertError(name_ + ":" + std::to_string(number_ + 1) + ": line of " +
                               std::to_string(longestLine >> 20) +
                               " MB or more; dictconv converts shorter lines only");
        }
        std::memmove(buffer_.data(), buffer_.data() + at_, held_ - at_);
        held_ -= at_;
        from_ -= at_;
        at_ = 0;
        if (buffer_.size() < held_ + blockSize) buffer_.resize(held_ + blockSize);
        const std::size_t got = source_.read(buffer_.data() + held_, blockSize);
        held_ += got;
        ended_ = got == 0;
    }

    ByteSource& source_;
    std::string name_;
    std::string buffer_;
    std::size_t at_ = 0, from_ = 0, held_ = 0; // the line's start, where the search goes on
    std::uint64_t number_ = 0;
    bool ended_ = false;
    TextSurvey survey_;
};

} // namespace

TextSurvey surveyText(ByteSource& source, const std::string& name) {
    return Surveyor(source, name).run();
}

} // namespace dictconv
