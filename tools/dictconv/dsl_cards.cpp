// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsl_cards.h"

#include "dsl_text.h"

#include <ostream>

namespace dictconv {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

DslCards::DslCards(std::string name, Sink add, std::ostream& warnings)
    : name_(std::move(name)), add_(std::move(add)), warnings_(warnings) {}

void DslCards::warn(std::uint64_t number, std::string_view what) {
    warnings_ << name_ << ":" << number << ": " << what << '\n';
}

void DslCards::line(std::string_view text, std::uint64_t number) {
    if (!started_ && text.starts_with('#')) {
        header(text);
    } else if (trimmed(text).empty()) {
        if (!card_.headwords.empty() && !inBody_) blankAfterHeadwords_ = true;
    } else if (text[0] == ' ' || text[0] == '\t') {
        cardLine(trimmed(text), number);
    } else {
        started_ = true;
        headwordLine(text, number);
    }
}

void DslCards::header(std::string_view text) {
    text.remove_prefix(1);
    const std::size_t blank = text.find_first_of(" \t");
    if (text.substr(0, blank) != "NAME" || blank == std::string_view::npos) return;
    std::string_view value = trimmed(text.substr(blank));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    title_ = std::string(value);
}

void DslCards::cardLine(std::string_view text, std::uint64_t number) {
    started_ = true;
    if (card_.headwords.empty()) {
        if (!warnedOrphan_) warn(number, "card text without a headword, skipped");
        warnedOrphan_ = true;
        return;
    }
    inBody_ = true;
    if (text.starts_with('@') && !inComment_) {
        endSubEntry();
        const std::string_view word = trimmed(text.substr(1));
        if (word.empty()) return; // a lone "@" ends the sub-entry
        sub_.headwords = dslHeadwordForms(word);
        for (std::string& form : sub_.headwords) {
            for (char& c : form)
                if (c == '~') c = dslTildeMark;
            form = withHeadword(form, card_.headwords.front());
        }
        sub_.tilde = card_.tilde;
        sub_.line = number;
        inSub_ = hadSub_ = true;
        return;
    }
    std::string plain = dslLineText(text, inComment_, unknownTags_);
    if (!plain.empty()) (inSub_ ? sub_ : card_).texts.push_back(std::move(plain));
}

void DslCards::headwordLine(std::string_view text, std::uint64_t number) {
    if (inBody_) {
        endCard();
    } else if (blankAfterHeadwords_) {
        warn(card_.line, "headword without a card, skipped");
        card_ = Part();
    }
    blankAfterHeadwords_ = warnedOrphan_ = inComment_ = false;
    if (card_.headwords.empty()) card_.line = number;
    for (std::string& form : dslHeadwordForms(text))
        card_.headwords.push_back(std::move(form));
    if (!card_.headwords.empty()) card_.tilde = card_.headwords.front();
}

void DslCards::endSubEntry() {
    if (inSub_) {
        if (sub_.texts.empty())
            warn(sub_.line, "headword without a card, skipped");
        else
            emit(sub_);
    }
    sub_ = Part();
    inSub_ = false;
}

void DslCards::endCard() {
    endSubEntry();
    if (!card_.headwords.empty() && card_.texts.empty() && !hadSub_)
        warn(card_.line, "headword without a card, skipped");
    emit(card_);
    card_ = Part();
    inBody_ = hadSub_ = false;
}

void DslCards::emit(const Part& part) {
    if (part.texts.empty()) return;
    std::string joined;
    for (const std::string& text : part.texts) {
        if (!joined.empty()) joined += "; ";
        joined += text;
    }
    const std::string text = withHeadword(joined, part.tilde);
    for (const std::string& headword : part.headwords)
        add_(headword, text);
}

void DslCards::finish() {
    if (inBody_ || !card_.headwords.empty()) {
        if (!inBody_) {
            warn(card_.line, "headword without a card, skipped");
            card_ = Part();
        }
        endCard();
    }
}

} // namespace dictconv
