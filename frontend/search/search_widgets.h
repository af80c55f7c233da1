#pragma once
// Small pieces the search reactions share: the colour of the query word, the keep box caption,
// the wait pointer and the batched filling of a list.

#include <QStringList>

class Form1;
class QLineEdit;
class QListWidget;
class QWidget;

// Red marks a search that found no translation; black otherwise.
void setQueryRed(QLineEdit* queryBox, bool red);
bool isQueryRed(const QLineEdit* queryBox);

// The keep box caption with the current counts of NL and WL, in the interface language.
void refreshKeepCaption(Form1& window);

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

// Collects lines and appends them to a list in one go, which is far cheaper than item by item.
class ListBatch {
public:
    // Result lists hold one-line items in one font; telling the list so spares it measuring
    // each of up to 32,000 items when it is shown.
    explicit ListBatch(QListWidget* list);
    void add(const QString& text) { pending_.append(text); }
    void flush();
    // Items in the list once the pending ones are in.
    int count() const;

private:
    QListWidget* list_;
    QStringList pending_;
};
