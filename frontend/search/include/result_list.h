// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// NL and WL: list views of ResultLines, which keep the dictionary's bytes.

#include "result_lines.h"

#include <QListView>
#include <QString>

class ResultList : public QListView {
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent = nullptr);

    ResultLines* lines() const { return lines_; }
    int count() const { return lines_->rowCount(); }
    // Empties the list; what fills it next shows from its first row.
    void clear();
    int currentRow() const;
    // Selects the row and scrolls it into view; -1 selects none.
    void setCurrentRow(int row);
    QString text(int row) const { return lines_->text(row); }

private:
    ResultLines* lines_;
};
