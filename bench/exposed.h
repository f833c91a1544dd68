#pragma once
// Waits until a window is on screen, the moment a user could see it.

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

inline void waitUntilExposed(QWidget* window) {
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
}
