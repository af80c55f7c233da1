// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_switch.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace texts {

namespace {
void setCaption(QObject& target, bool isWindow, const QString& caption) {
    if (isWindow)
        static_cast<QWidget&>(target).setWindowTitle(caption);
    else if (auto* menu = qobject_cast<QMenu*>(&target))
        menu->setTitle(caption);
    else
        target.setProperty("text", caption); // actions, buttons, check boxes and labels
}

void applyRow(QObject& window, const CaptionRow& row, bool italian) {
    const QString name = QString::fromLatin1(row.target);
    const bool isWindow = window.isWidgetType() && window.objectName() == name;
    QObject* target = isWindow ? &window : window.findChild<QObject*>(name);
    if (!target) {
        qWarning("no caption target %s", row.target);
        return;
    }
    if (!row.caption.isEmpty()) setCaption(*target, isWindow, row.caption.in(italian));
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget) return;
    if (!row.name.isEmpty()) widget->setAccessibleName(row.name.in(italian));
    // An editable drop-down box is read by its text; its edit field carries the name.
    auto* box = qobject_cast<QComboBox*>(widget);
    if (box && box->lineEdit() && !row.name.isEmpty())
        box->lineEdit()->setAccessibleName(row.name.in(italian));
    if (!row.description.isEmpty()) widget->setAccessibleDescription(row.description.in(italian));
}
} // namespace

void applyCaptions(QObject& window, const CaptionTable& table, bool italian) {
    for (const CaptionRow& row : table)
        applyRow(window, row, italian);
}

} // namespace texts
