#pragma once
// Waits until a window is on screen and painted, the moment a user could see
// it, and tells the measuring script when that was.

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

inline void waitUntilExposed(QWidget* window) {
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
}

// The window paints while its exposure is handled; what it asked to repaint
// meanwhile is painted by the next turn of the event loop.
inline void waitUntilPainted(QWidget* window) {
    waitUntilExposed(window);
    QCoreApplication::processEvents();
}

// The monotonic clock in seconds, the clock the script read just before it
// started this process, so that start-up ends here and not at the exit.
inline void reportShown() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("shown %.6f\n", std::chrono::duration<double>(since).count());
    std::fflush(stdout);
}
