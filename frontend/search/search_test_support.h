// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the window tests of the search: temporary dictionaries, the search in a window of
// its controls answered by a fake user, and short ways to type, search and read the lists.

#include "dictionary_search.h"
#include "fake_prompts.h"
#include "search_host.h"
#include "text_encoding.h"

#include <QWidget>

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QAbstractItemView;

namespace search_test {

struct Entry {
    QString headword;
    QString translation;
};

// A small Italian-English dictionary, sorted by headword, with accented headwords.
QList<Entry> italianEntries();

// AHOY, H, HO00000 ... HO39999, SHOE: 40,003 headwords, 40,001 of them begin with H, so a
// search for H or HO has two NL pages.
QList<Entry> longEntries();

// Writes the records, each line ending in LF, in the given encoding.
QString writeDictionary(const QTemporaryDir& dir, const QString& name, const QList<Entry>& entries,
                        TextEncoding encoding = TextEncoding::Utf8);

// Writes the bytes as they are.
QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes);

// Points the exchange file into a fresh temporary folder; call before anything touches it.
void useTemporaryCache(QTemporaryDir& cache);

// The options: lists on or off, the root percentage text, the interface language.
void setLists(bool nl, bool wl);
void setPercent(const QString& text);
void setItalian(bool italian);
// Back to the options' start values.
void resetOptions();

// What each row of a list shows.
QStringList items(const QAbstractItemView* list);
// A user's double-click on an item of a list: a click, then a second press reported as double.
void doubleClick(QAbstractItemView* list, int row);
QByteArray exchangeBytes();

// The controls the search acts on, in a window of their own; the search's routing connects them
// as in the main window.
class SearchWindow : public QWidget, public SearchHost {
public:
    explicit SearchWindow(UserPrompts& prompts);
    SearchView view() const { return view_; }

    void applyCaptions(bool italian);
    void LayoutVertical() override { ++layouts; }
    UserPrompts& prompts() override { return prompts_; }
    int layouts = 0; // runs of LayoutVertical

private:
    UserPrompts& prompts_;
    SearchView view_;
};

// The search with its window and a fake user.
class Window {
public:
    Window();
    ~Window();
    DictionarySearch& operator*() { return *search_; }
    DictionarySearch* operator->() { return search_.get(); }
    QWidget* widget() { return window_.get(); }
    SearchWindow& host() { return *window_; }

    // The dialog answers path, then the menu entry runs (Open the first time, Change later).
    void choose(const QString& path, const QString& folderLeftIn = QString());
    void type(const QString& text);
    void pressEnter();
    // Empties the box with a key, types the word and presses Enter, as a user would.
    void search(const QString& word);
    // EXIT: the files closed, then the program's end.
    void exit();

    FakePrompts prompts;

private:
    std::unique_ptr<SearchWindow> window_;
    std::unique_ptr<DictionarySearch> search_;
};

} // namespace search_test
