#include "shell/desktopfit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace ocu {
namespace {

const char* const kContentName = "ScreenContent";

// Room the window manager's frame takes around a client area. The frame is
// not known before the window is first shown, so a typical title bar and
// border are kept free.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

QRect availableArea(const QWidget* screen) {
    const QScreen* display = screen->screen();
    if (display == nullptr) display = QGuiApplication::primaryScreen();
    return display != nullptr ? display->availableGeometry() : QRect();
}

}  // namespace

void fitToDesktop(QWidget* screen) {
    const QRect available = availableArea(screen);
    if (available.isEmpty()) return;
    // A screen laid out by a layout is designed at that layout's smallest size.
    QLayout* designedLayout = screen->layout();
    QSize designed = screen->size();
    if (designedLayout != nullptr) {
        designedLayout->activate();
        designed = designed.expandedTo(designedLayout->totalMinimumSize());
    }
    const QSize room(available.width() - kFrameWidth, available.height() - kFrameHeight);
    if (designed.width() <= room.width() && designed.height() <= room.height()) return;

    // The content keeps the designed client area; every control moves into it
    // at the same place, shown or hidden as it was.
    auto* content = new QWidget;
    content->setObjectName(QLatin1String(kContentName));
    content->setFixedSize(designed);
    content->setAutoFillBackground(screen->autoFillBackground());
    if (designedLayout != nullptr) content->setLayout(designedLayout);  // takes its controls along
    const QList<QWidget*> controls = screen->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isWindow()) continue;
        const bool hidden = control->isHidden();
        control->setParent(content);
        control->setHidden(hidden);
    }

    auto* area = new QScrollArea(screen);
    area->setObjectName(QStringLiteral("ScreenScroller"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setWidget(content);
    area->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);

    // A scroll bar in one direction takes room from the other: give it back
    // where the desktop has it, so that only the direction that needs one scrolls.
    const int bar = screen->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    QSize fitted = designed.boundedTo(room);
    if (fitted.height() < designed.height()) fitted.setWidth(qMin(designed.width() + bar, room.width()));
    if (fitted.width() < designed.width()) fitted.setHeight(qMin(designed.height() + bar, room.height()));
    // The window may grow back to its designed size, never beyond it.
    screen->setMinimumSize(0, 0);
    screen->setMaximumSize(designed + QSize(bar, bar));
    screen->resize(fitted);
    screen->move(available.left() + (available.width() - kFrameWidth - fitted.width()) / 2,
                 available.top() + (available.height() - kFrameHeight - fitted.height()) / 2);
}

QScrollArea* scrollingContent(const QWidget* screen) {
    return screen->findChild<QScrollArea*>(QStringLiteral("ScreenScroller"), Qt::FindDirectChildrenOnly);
}

}  // namespace ocu
