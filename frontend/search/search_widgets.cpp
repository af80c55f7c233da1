// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_widgets.h"

#include "bilingual_texts.h"
#include "dictionary_search.h"
#include "result_list.h"
#include "search_messages.h"
#include "settings.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRegion>

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
    search.prompts().showMessage(search.view().window, search_messages::title(), text,
                                 UserPrompts::Icon::Warning);
}

QString noTranslation() {
    return QString(6, u' ');
}

void repaintPlaces(std::initializer_list<QWidget*> controls) {
    QWidget* parent = nullptr;
    QRegion places;
    for (QWidget* control : controls) {
        // Controls of one parent are repainted together.
        if (parent && control->parentWidget() != parent) {
            parent->repaint(places);
            places = QRegion();
        }
        parent = control->parentWidget();
        places += control->geometry();
    }
    if (parent) parent->repaint(places);
}

WaitCursor::WaitCursor(QWidget* window) : window_(window) {
    window_->setCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    window_->unsetCursor();
}
