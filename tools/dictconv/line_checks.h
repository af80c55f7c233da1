// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace dictconv {

// One line of a dictionary. For a line longer than the limit, `text` holds only its start.
struct CheckedLine {
    std::string_view text;
    std::size_t length = 0;
    bool nul = false;
    bool loneCr = false;
    bool plainAscii = false; // known to be ASCII without NUL or CR
    bool utf8 = false;       // known to be well-formed UTF-8 beyond ASCII
};

// The checks of each line, in file order, and of the file as a whole.
class LineChecks {
public:
    LineChecks(std::string name, bool utf8, std::ostream& report);
    void add(const CheckedLine& line);
    // Reports what only the end shows, then the summary line; returns the problem count.
    std::size_t finish();
    std::size_t lines() const { return lineNumber_; }

private:
    enum Kind {
        OddCount,
        NotUpper,
        OutOfOrder,
        Reserved,
        Blank,
        LoneCr,
        Encoding,
        Nul,
        Long,
        KindCount
    };
    void problem(Kind kind, const std::string& what);
    void checkHeadword(std::string_view headword, bool ascii);

    std::string name_;
    bool utf8_;
    std::ostream& report_;
    std::size_t lineNumber_ = 0;
    std::string previous_;
    std::size_t previousLine_ = 0;
    std::array<std::size_t, KindCount> counts_{};
};

} // namespace dictconv
