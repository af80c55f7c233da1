// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_word.h"

#include "exchange_request.h"

QString trimmedBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

bool isBlank(const QString& text) {
    return trimmedBlanks(text).isEmpty();
}

QString queryWordFrom(const QString& typed, TextEncoding encoding) {
    // A line break would split the request's lines; every other character is searched as typed.
    return trimmedBlanks(upperCased(withoutLineBreaks(typed), encoding));
}
