// Baseline of start-up: a plain Qt Widgets program that shows one window, or
// with "3" three windows in turn, each made when it is shown and the one
// before it then hidden (and kept), as Ocuvance goes from its welcome screen
// through the terms to Home. Each window has a few labels and buttons in the fonts
// Ocuvance's start-up windows use (the application's font, bold, and 22 pt
// bold for the welcome screen's title), so that both programs pay for
// setting up the fonts and laying out text. Reports the moment its first and
// its last window are shown and painted.

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "exposed.h"

namespace {

std::unique_ptr<QWidget> makeWindow(int number, QSize size) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Plain window %1").arg(number));
    auto* column = new QVBoxLayout(window.get());

    auto* title = new QLabel(QStringLiteral("Plain window"), window.get());
    QFont large = title->font();
    large.setPointSize(22);
    large.setBold(true);
    title->setFont(large);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);

    auto* heading = new QLabel(QStringLiteral("A heading in bold type"), window.get());
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);

    auto* paragraph =
        new QLabel(QStringLiteral("A paragraph of ordinary text, long enough to be wrapped over a few lines of the "
                                  "window: it is laid out in the application's font as any window's text is, word "
                                  "by word, and drawn with the glyphs that font gives."),
                   window.get());
    paragraph->setWordWrap(true);
    column->addWidget(paragraph, 1);

    auto* buttons = new QHBoxLayout;
    for (const QString& caption : {QStringLiteral("Next"), QStringLiteral("Back"), QStringLiteral("Quit")}) {
        buttons->addWidget(new QPushButton(caption, window.get()));
    }
    column->addLayout(buttons);
    column->addWidget(new QLabel(QStringLiteral("A footnote under the buttons"), window.get()));
    window->resize(size);
    return window;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int windows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    QApplication app(argc, argv);
    const QSize sizes[] = {{640, 440}, {720, 560}, {720, 500}};
    std::vector<std::unique_ptr<QWidget>> made;
    for (int i = 0; i < windows; ++i) {
        made.push_back(makeWindow(i + 1, sizes[i % 3]));
        made.back()->show();
        if (i > 0) made[i - 1]->hide();
        waitUntilPainted(made.back().get());
        if (i == 0 || i == windows - 1) reportShown();
    }
    return 0;
}
