// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_widgets.h"

#include "bilingual_texts.h"
#include "dictionary_search.h"
#include "result_list.h"
#include "search_messages.h"
#include "settings.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

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

ListBatch::ListBatch(ResultList* list, TextEncoding encoding) : list_(list), encoding_(encoding) {}

void ListBatch::add(QByteArrayView line) {
    list_->lines()->append(line, encoding_);
}

void ListBatch::flush() {
    list_->lines()->publish();
}

int ListBatch::count() const {
    return list_->lines()->count();
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
