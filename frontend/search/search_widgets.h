// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces the search reactions share: the colour of the query word, the keep box caption,
// the warning and the wait pointer.

#include <QString>

#include <initializer_list>

struct SearchView;
class DictionarySearch;
class QLineEdit;
class QWidget;

// Red marks a search that found no translation; black otherwise.
void setQueryRed(QLineEdit* queryBox, bool red);
bool isQueryRed(const QLineEdit* queryBox);

// The keep box caption with the current counts of NL and WL, in the interface language.
void refreshKeepCaption(const SearchView& view);

// A warning over the window, with the search's title.
void warn(DictionarySearch& search, const QString& text);

// The text the answer holds while no translation is found: six blanks.
QString noTranslation();

// Repaints at once the places of the controls, shown or just hidden, and nothing else: after a
// change to these controls alone it shows what a repaint of the whole window would.
void repaintPlaces(std::initializer_list<QWidget*> controls);

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
