// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_list.h"

#include <QStyledItemDelegate>

namespace {

// Every row gets the size of the widest one; the list asks for one row's size only.
class WidestRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto* lines = qobject_cast<const ResultLines*>(index.model());
        const int widest = lines ? lines->widestRow() : -1;
        return QStyledItemDelegate::sizeHint(option, widest < 0 ? index : lines->index(widest));
    }
};

} // namespace

ResultList::ResultList(QWidget* parent) : QListView(parent), lines_(new ResultLines(this)) {
    setModel(lines_);
    // One-line items in one font: the list measures one, not each of up to 500,000, and by
    // itself the last, so the delegate hands it the widest.
    setUniformItemSizes(true);
    setItemDelegate(new WidestRowDelegate(this));
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
