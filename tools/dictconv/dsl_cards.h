// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace dictconv {

// Reads the lines of an ABBYY Lingvo DSL file, decoded to UTF-8, and hands each headword form
// with its card's text on one line to `add`. Header lines ("#NAME ...") come before the first
// headword; headword lines start at the first column, several in a row share the card that
// follows, "~" in it standing for the first; card lines start with a blank or a tab, their
// texts joined with "; "; "@ WORD" in a
// card starts a sub-entry of its own up to a lone "@" or the card's end. A card without a
// headword, or a headword without a card, gets a warning naming its line.
class DslCards {
public:
    using Sink = std::function<void(std::string_view headword, std::string_view text)>;
    DslCards(std::string name, Sink add, std::ostream& warnings);

    void line(std::string_view text, std::uint64_t number);
    // The end of the file: the last card goes out.
    void finish();

    const std::string& title() const { return title_; }
    std::uint64_t unknownTags() const { return unknownTags_; }

private:
    struct Part {
        std::vector<std::string> headwords;
        std::vector<std::string> texts;
        std::uint64_t line = 0;
        std::string tilde; // what "~" stands for: the card's first headword
    };
    void header(std::string_view text);
    void cardLine(std::string_view text, std::uint64_t number);
    void headwordLine(std::string_view text, std::uint64_t number);
    void endSubEntry();
    void endCard();
    void emit(const Part& part);
    void warn(std::uint64_t number, std::string_view what);

    std::string name_;
    Sink add_;
    std::ostream& warnings_;
    std::string title_;
    std::uint64_t unknownTags_ = 0;
    Part card_, sub_;
    bool inSub_ = false, hadSub_ = false;
    bool inBody_ = false, blankAfterHeadwords_ = false, warnedOrphan_ = false;
    bool started_ = false, inComment_ = false;
};

} // namespace dictconv
