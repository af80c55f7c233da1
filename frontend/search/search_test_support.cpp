#include "search_test_support.h"

#include "exchange_request.h"
#include "form2.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace search_test {

QList<Entry> italianEntries() {
    return {
        {"ACCASARE", "to marry off"},
        {"CANE", "dog"},
        {"CASA", "house, home"},
        {"CASA VERDE", "green house"},
        {"CASALE", "farmhouse"},
        {"CASCATA", "waterfall"},
        {"CITTÀ", "city, town"},
        {"CITTÀ UNIVERSITARIA", "university town"},
        {"GATTO", "cat"},
        {"PERCHÉ", "why, because"},
        {"TOPO", "mouse"},
    };
}

QList<Entry> longEntries() {
    QList<Entry> entries{{"AHOY", "ahoy"}, {"H", "aitch"}};
    for (int i = 0; i < 40000; ++i)
        entries.append(Entry{QString("HO%1").arg(i, 5, 10, QChar('0')), QString("t%1").arg(i)});
    entries.append(Entry{"SHOE", "shoe"});
    return entries;
}

QString writeDictionary(const QTemporaryDir& dir, const QString& name, const QList<Entry>& entries,
                        TextEncoding encoding) {
    QByteArray bytes;
    for (const Entry& e : entries)
        bytes +=
            encodeText(e.headword, encoding) + '\n' + encodeText(e.translation, encoding) + '\n';
    return writeBytes(dir, name, bytes);
}

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void useTemporaryCache(QTemporaryDir& cache) {
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
}

void setLists(bool nl, bool wl) {
    Form2::instance().useNL->setChecked(nl);
    Form2::instance().useWL->setChecked(wl);
}

void setPercent(const QString& text) {
    Form2::instance().NEsca->setEditText(text);
}

void setItalian(bool italian) {
    (italian ? Form2::instance().LinguaIta : Form2::instance().LinguaIng)->setChecked(true);
}

void resetOptions() {
    Form2::discardInstance();
}

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void doubleClick(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QByteArray exchangeBytes() {
    QFile file(exchangeFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Window::Window() : form(std::make_unique<Form1>(prompts)) {
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qWarning("the window was not exposed");
}

Window::~Window() = default;

void Window::choose(const QString& path, const QString& folderLeftIn) {
    prompts.answers.append({path, folderLeftIn});
    if (form->mOpen->isEnabled())
        form->mOpen->trigger();
    else
        form->mChange->trigger();
}

void Window::type(const QString& text) {
    // Key by key, accented letters included (Qt's key codes follow Latin-1 there).
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, form->Parola, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

void Window::pressEnter() {
    QTest::keyClick(form->Parola, Qt::Key_Return);
}

void Window::search(const QString& word) {
    form->Parola->selectAll();
    QTest::keyClick(form->Parola, Qt::Key_Backspace);
    type(word);
    pressEnter();
}

} // namespace search_test
