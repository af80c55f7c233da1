// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets pending window events run now and then during a long read: every so many lines or
// every few milliseconds, whichever comes first, rather than before every line.

#include <QElapsedTimer>

class EventPacer {
public:
    explicit EventPacer(int lineInterval = 1000, qint64 msInterval = 20)
        : lineInterval_(lineInterval), msInterval_(msInterval) {
        timer_.start();
    }

    // Counts one line; true when it is time to let events run.
    bool due() {
        ++lines_;
        if (lines_ < lineInterval_ && (lines_ % 64 != 0 || timer_.elapsed() < msInterval_))
            return false;
        lines_ = 0;
        timer_.restart();
        return true;
    }

private:
    int lineInterval_;
    qint64 msInterval_;
    int lines_ = 0;
    QElapsedTimer timer_;
};
