// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_test_support.h"

#include "bilingual_texts.h"
#include "caption_tables.h"
#include "exchange_request.h"
#include "form2.h"
#include "language_switch.h"
#include "option_changes.h"
#include "search_routing.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
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

QStringList items(const QAbstractItemView* list) {
    QStringList texts;
    const QAbstractItemModel* model = list->model();
    for (int i = 0; i < model->rowCount(); ++i)
        texts << model->index(i, 0).data().toString();
    return texts;
}

void doubleClick(QAbstractItemView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QByteArray exchangeBytes() {
    QFile file(exchangeFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
template <typename W> W* make(QWidget* parent, const char* name, QRect geometry) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* label = make<QLabel>(parent, name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}
} // namespace

SearchWindow::SearchWindow(UserPrompts& prompts) : prompts_(prompts) {
    resize(686, 390);
    SearchView& v = view_;
    v.window = this;
    v.CmdPagN = make<QPushButton>(this, "CmdPagN", {176, 328, 41, 25});
    v.CmdPagP = make<QPushButton>(this, "CmdPagP", {128, 328, 41, 25});
    v.ListY = make<ResultList>(this, "ListY", {392, 136, 273, 186});
    v.Sbianca = make<QCheckBox>(this, "Sbianca", {264, 332, 249, 25});
    v.Storia = make<QListWidget>(this, "Storia", {16, 136, 102, 186});
    v.CmdForw = make<QPushButton>(this, "CmdForw", {72, 328, 41, 25});
    v.CmdBack = make<QPushButton>(this, "CmdBack", {16, 328, 41, 25});
    v.CmdClear = make<QPushButton>(this, "CmdClear", {16, 72, 65, 27});
    v.ListZ = make<ResultList>(this, "ListZ", {120, 136, 265, 186});
    v.Risposta = make<QPlainTextEdit>(this, "Risposta", {88, 72, 577, 41});
    v.Parola = make<QLineEdit>(this, "Parola", {88, 24, 576, 27});
    v.CmdVai = make<QPushButton>(this, "CmdVai", {16, 24, 65, 27});
    v.nomepurobreve = makeLabel(this, "nomepurobreve", {8, 8, 65, 17}, "-");
    v.PuntinaOK = makeLabel(this, "PuntinaOK", {234, 328, 34, 34}, "pin");
    v.Puntina = makeLabel(this, "Puntina", {234, 328, 34, 34}, "pin");
    v.OmbraRisp = makeLabel(this, "OmbraRisp", {16, 360, 45, 16}, QString(11, u' '));
    v.LabVediAnche = makeLabel(this, "LabVediAnche", {120, 120, 262, 17}, QString());
    v.LabIng = makeLabel(this, "LabIng", {88, 8, 574, 17}, QString());
    v.mOpen = new QAction(this);
    v.mOpen->setObjectName(QStringLiteral("mOpen"));
    v.mChange = new QAction(this);
    v.mChange->setObjectName(QStringLiteral("mChange"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{v.CmdPagN, v.CmdPagP, v.Sbianca, v.CmdForw, v.CmdBack,
                                         v.nomepurobreve, v.PuntinaOK, v.Puntina, v.OmbraRisp})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{v.ListY, v.Sbianca, v.Storia, v.CmdClear,
                                                      v.ListZ, v.Risposta, v.Parola, v.CmdVai})
        w->setEnabled(false);
    v.mChange->setEnabled(false);
    // Captions as in the main window, which follows the options window.
    applyCaptions(false);
    const OptionChanges& options = OptionChanges::instance();
    connect(&options, &OptionChanges::languageChosen, this, &SearchWindow::applyCaptions);
    connect(&options, &OptionChanges::percentagePicked, this, [this](const QString& percent) {
        view_.LabVediAnche->setText(texts::pickedPercentCaption(percent));
    });
}

void SearchWindow::applyCaptions(bool italian) {
    texts::applyCaptions(*this, texts::mainCaptionTable(), italian);
    view_.LabIng->setText(texts::queryCaption(italian, view_.nomepurobreve->text()));
}

Window::Window()
    : window_(std::make_unique<SearchWindow>(prompts)),
      search_(std::make_unique<DictionarySearch>(window_->view(), *window_)) {
    routeSearchEvents(*search_);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("the window was not exposed");
}

Window::~Window() = default;

void Window::exit() {
    search_->closeFiles();
    prompts.endProgram();
}

void Window::choose(const QString& path, const QString& folderLeftIn) {
    prompts.answers.append({path, folderLeftIn});
    if (search_->view().mOpen->isEnabled())
        search_->view().mOpen->trigger();
    else
        search_->view().mChange->trigger();
}

void Window::type(const QString& text) {
    // Key by key, accented letters included (Qt's key codes follow Latin-1 there).
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, search_->view().Parola, Qt::Key(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

void Window::pressEnter() {
    QTest::keyClick(search_->view().Parola, Qt::Key_Return);
}

void Window::search(const QString& word) {
    search_->view().Parola->selectAll();
    QTest::keyClick(search_->view().Parola, Qt::Key_Backspace);
    type(word);
    pressEnter();
}

} // namespace search_test
