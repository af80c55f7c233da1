// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_list.h"

ResultList::ResultList(QWidget* parent) : QListView(parent), lines_(new ResultLines(this)) {
    setModel(lines_);
    // One-line items in one font: the list measures one, not each of up to 500,000.
    setUniformItemSizes(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
}

void ResultList::clear() {
    lines_->clear();
    scrollToTop();
}

int ResultList::currentRow() const {
    return currentIndex().row();
}

void ResultList::setCurrentRow(int row) {
    const QModelIndex index = lines_->index(row, 0);
    setCurrentIndex(index);
    if (index.isValid()) scrollTo(index);
}
