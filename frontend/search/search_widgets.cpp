#include "search_widgets.h"

#include "bilingual_texts.h"
#include "form1.h"
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

void ListBatch::flush() {
    if (pending_.isEmpty()) return;
    list_->addItems(pending_);
    pending_.clear();
}

int ListBatch::count() const {
    return list_->count() + static_cast<int>(pending_.size());
}
