#include "search_widgets.h"

#include "bilingual_texts.h"
#include "form1.h"
#include "long_lines.h"
#include "settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

void setQueryRed(QLineEdit* queryBox, bool red) {
    QPalette palette = queryBox->palette();
    palette.setColor(QPalette::Text, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    queryBox->setPalette(palette);
}

bool isQueryRed(const QLineEdit* queryBox) {
    return queryBox->palette().color(QPalette::Text) == QColor(255, 0, 0);
}

void refreshKeepCaption(Form1& window) {
    window.Sbianca->setText(
        texts::keepListsCaption(settings::italian(), window.ListZ->count(), window.ListY->count()));
}

WaitCursor::WaitCursor(QWidget* window) : window_(window) {
    window_->setCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    window_->unsetCursor();
}

ListBatch::ListBatch(QListWidget* list) : list_(list) {
    list_->setUniformItemSizes(true);
}

namespace {
constexpr int wholeLineRole = Qt::UserRole;
constexpr int tooLongRole = Qt::UserRole + 1;
} // namespace

void ListBatch::add(const QString& line, bool cut) {
    if (!cut && line.size() <= longestListItem) {
        pending_.append(line);
        return;
    }
    longLines_.append({count(), cut || line.size() > longestQuery ? QString() : line});
    pending_.append(shortened(line, longestListItem));
}

void ListBatch::flush() {
    if (pending_.isEmpty()) return;
    list_->addItems(pending_);
    pending_.clear();
    for (const LongLine& l : longLines_) {
        QListWidgetItem* item = list_->item(l.row);
        if (l.line.isEmpty())
            item->setData(tooLongRole, true);
        else
            item->setData(wholeLineRole, l.line);
    }
    longLines_.clear();
}

std::optional<QString> itemQuery(const QListWidgetItem& item) {
    if (item.data(tooLongRole).toBool()) return std::nullopt;
    const QVariant whole = item.data(wholeLineRole);
    return whole.isValid() ? whole.toString() : item.text();
}

int ListBatch::count() const {
    return list_->count() + static_cast<int>(pending_.size());
}
