// SPDX-License-Identifier: GPL-3.0-or-later
// A long session on one dictionary: searches mixing "*", HAUS and page changes, with the
// process's resident memory after 100 and after all searches.
//   vocabrix_soak_bench --dictionary <file.txt> [--searches N]
// The window is driven only through its controls, found by name; the exchange file goes to a
// temporary folder, never the user's.

#include "fake_prompts.h"
#include "form1.h"

#include "result_list.h"
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>

namespace {

struct Memory {
    long residentKiB = 0;
    long peakKiB = 0;
};

Memory memoryNow() {
    Memory m;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return m;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2) continue;
        if (parts[0] == "VmRSS:") m.residentKiB = parts[1].toLong();
        if (parts[0] == "VmHWM:") m.peakKiB = parts[1].toLong();
    }
    return m;
}

template <typename T> T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

class Session {
public:
    explicit Session(QWidget& window)
        : query_(control<QLineEdit>(window, "Parola")),
          find_(control<QPushButton>(window, "CmdVai")),
          next_(control<QPushButton>(window, "CmdPagN")),
          previous_(control<QPushButton>(window, "CmdPagP")),
          neighbours_(control<ResultList>(window, "ListZ")) {}

    void search(const QString& word) {
        query_->setText(word);
        find_->click();
        ++searches;
    }

    // Forward through up to two pages, then back; only where the buttons are shown.
    void turnPages() {
        for (int i = 0; i < 2 && !next_->isHidden(); ++i, ++pageChanges)
            next_->click();
        if (!previous_->isHidden()) {
            previous_->click();
            ++pageChanges;
        }
    }

    int neighbours() const { return neighbours_->count(); }

    int searches = 0;
    int pageChanges = 0;

private:
    QLineEdit* query_;
    QPushButton* find_;
    QPushButton* next_;
    QPushButton* previous_;
    ResultList* neighbours_;
};

void report(const char* when, const Session& s, const QElapsedTimer& clock) {
    const Memory m = memoryNow();
    ::malloc_trim(0);
    const Memory trimmed = memoryNow();
    std::printf("%-18s %8d %8d %10.1f %12.1f %12.1f %16.1f\n", when, s.searches, s.pageChanges,
                static_cast<double>(clock.elapsed()) / 1000.0, m.residentKiB / 1024.0,
                m.peakKiB / 1024.0, trimmed.residentKiB / 1024.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    QApplication app(argc, argv);

    QString dictionary;
    int total = 1000;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--dictionary")
            dictionary = args[i + 1];
        else if (args[i] == "--searches")
            total = std::max(100, args[i + 1].toInt());
    }
    if (!QFile::exists(dictionary)) {
        std::fprintf(stderr, "usage: vocabrix_soak_bench --dictionary <file.txt> [--searches N]\n");
        return 2;
    }

    FakePrompts prompts;
    Form1 window(prompts);
    window.show();
    QApplication::processEvents();
    prompts.answers.append({dictionary, {}});
    control<QAction>(window, "mOpen")->trigger();

    Session session(window);
    QElapsedTimer clock;
    clock.start();
    std::printf("dictionary: %s; memory in MiB\n", qPrintable(dictionary));
    std::printf("%-18s %8s %8s %10s %12s %12s %16s\n", "after", "searches", "pages", "seconds",
                "resident", "peak", "resident trimmed");
    report("the dictionary", session, clock);
    // Each round of ten: "*" with its pages, then nine HAUS.
    while (session.searches < total) {
        const bool all = session.searches % 10 == 0;
        session.search(all ? QStringLiteral("*") : QStringLiteral("HAUS"));
        if (all) session.turnPages();
        if (session.neighbours() == 0 || !prompts.messages.isEmpty() || prompts.endCalls > 0) {
            std::fprintf(stderr, "search %d did not run through%s%s\n", session.searches,
                         prompts.messages.isEmpty() ? "" : ": ",
                         prompts.messages.isEmpty() ? ""
                                                    : qPrintable(prompts.messages.last().text));
            return 1;
        }
        if (session.searches == 10) report("10 searches", session, clock);
        if (session.searches == 100) report("100 searches", session, clock);
    }
    report("all searches", session, clock);
    return 0;
}
