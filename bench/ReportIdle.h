// Every start-up program reports the same moment: its window painted for the
// first time and the event loop idle again, as a CLOCK_MONOTONIC reading on
// standard output.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

class ReportWhenPainted : public QObject {
public:
    explicit ReportWhenPainted(QWidget& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // Queued behind the painting now under way.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
