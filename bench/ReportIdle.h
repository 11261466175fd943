// Both start-up programs report the same moment: the window shown and the
// event loop idle, as a CLOCK_MONOTONIC reading on standard output.
#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <ctime>

inline void reportWhenIdleThenQuit()
{
    // A zero timer fires once the events queued by showing the window
    // (expose, paint) have been handled.
    QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
