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
    // A one-line box shows a pasted tab badly, and a line break would split the request's lines.
    QString word = withoutLineBreaks(typed);
    word.remove(u'\t');
    return trimmedBlanks(upperCased(word, encoding));
}
