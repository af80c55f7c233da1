// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces the search reactions share: the colour of the query word, the keep box caption,
// the wait pointer and the batched filling of a list.

#include "chunk_read.h"
#include "text_encoding.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <optional>

struct SearchView;
class DictionarySearch;
class QLineEdit;
class QWidget;
class ResultList;

// Red marks a search that found no translation; black otherwise.
void setQueryRed(QLineEdit* queryBox, bool red);
bool isQueryRed(const QLineEdit* queryBox);

// The keep box caption with the current counts of NL and WL, in the interface language.
void refreshKeepCaption(const SearchView& view);

// A warning over the window, with the search's title.
void warn(DictionarySearch& search, const QString& text);

// The text the answer holds while no translation is found: six blanks.
QString noTranslation();

// Shows the wait pointer over a window for its own lifetime.
class WaitCursor {
public:
    explicit WaitCursor(QWidget* window);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    QWidget* window_;
};

// Collects a list's lines, as the dictionary's bytes, and shows those collected at each flush.
class ListBatch {
public:
    ListBatch(ResultList* list, TextEncoding encoding);
    void add(QByteArrayView line);
    void flush();
    // Items in the list once the pending ones are in.
    int count() const;

private:
    ResultList* list_;
    TextEncoding encoding_;
};

// The first read and the page loader's read: the chunk's lines go to `take`, the lists are
// filled now and then while events run, and at the end the lists are filled and shown.
ChunkRead readIntoLists(const SearchView& view, ExchangeReader& reader, qint64 resultsSize,
                        const std::function<bool(QByteArrayView)>& take,
                        std::initializer_list<ListBatch*> lists);
