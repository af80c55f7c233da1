// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_widgets.h"

#include "bilingual_texts.h"
#include "dictionary_search.h"
#include "long_lines.h"
#include "search_messages.h"
#include "settings.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
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

void refreshKeepCaption(const SearchView& view) {
    view.Sbianca->setText(
        texts::keepListsCaption(settings::italian(), view.ListZ->count(), view.ListY->count()));
}

void warn(DictionarySearch& search, const QString& text) {
    search.prompts().showMessage(search.window, search_messages::title(), text,
                                 UserPrompts::Icon::Warning);
}

QString noTranslation() {
    return QString(6, u' ');
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

ChunkRead readIntoLists(const SearchView& view, ExchangeReader& reader, qint64 resultsSize,
                        const std::function<bool(QByteArrayView)>& take,
                        std::initializer_list<ListBatch*> lists) {
    const auto flush = [&] {
        for (ListBatch* list : lists)
            list->flush();
    };
    const ChunkRead read = readChunk(reader, resultsSize, take, [&] {
        flush();
        QCoreApplication::processEvents();
    });
    if (read.abandoned) return read;
    flush();
    view.ListZ->show();
    view.ListY->show();
    return read;
}
