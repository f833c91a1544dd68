#pragma once
// The start of a run, shared by the program and its start-up benchmark: the
// application's name and icon, every screen made known, the end of the run
// leaving the event loop, and the welcome screen opened.

class QApplication;
class QWidget;

namespace ocu {

// Returns the welcome screen, shown.
QWidget* startRun(QApplication& app);

}  // namespace ocu
