// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_codes.h"

#include <QTest>

class KeyCodesTest : public QObject {
    Q_OBJECT
private slots:
    void code_data();
    void code();
};

void KeyCodesTest::code_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: no character code

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << 97;
    QTest::newRow("shifted letter") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 65;
    QTest::newRow("blank") << int(Qt::Key_Space) << none << " " << 32;
    QTest::newRow("accented") << int(Qt::Key_Egrave) << none << QString::fromUtf8("è") << 0xE8;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << 13;
    QTest::newRow("keypad Enter without text") << int(Qt::Key_Enter) << none << "" << 13;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << ctrl << "\r" << 10;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << ctrl << "" << 127;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
    QTest::newRow("Ctrl+V with control text") << int(Qt::Key_V) << ctrl << "\x16" << 22;
    QTest::newRow("Ctrl+V without text") << int(Qt::Key_V) << ctrl << "" << 22;
    QTest::newRow("Ctrl+V with letter text") << int(Qt::Key_V) << ctrl << "v" << 22;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << "" << 1;
    QTest::newRow("AltGr letter is typed")
        << int(Qt::Key_Q) << int(Qt::ControlModifier | Qt::AltModifier) << "@" << 64;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << -1;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "" << -1;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << -1;
    QTest::newRow("Delete with DEL text") << int(Qt::Key_Delete) << none << "\x7f" << -1;
    QTest::newRow("Ctrl+Shift+letter")
        << int(Qt::Key_V) << int(Qt::ControlModifier | Qt::ShiftModifier) << "V" << 22;
    QTest::newRow("Ctrl+[ is Escape") << int(Qt::Key_BracketLeft) << ctrl << "[" << 27;
    // X11 attaches the plain character's text to Ctrl with a digit or a punctuation key.
    QTest::newRow("Ctrl+1 with text") << int(Qt::Key_1) << ctrl << "1" << -1;
    QTest::newRow("Ctrl+, with text") << int(Qt::Key_Comma) << ctrl << "," << -1;
}

void KeyCodesTest::code() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto code = characterCode(key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(code.value_or(-1), expected);
}

QTEST_APPLESS_MAIN(KeyCodesTest)
#include "key_codes_test.moc"
