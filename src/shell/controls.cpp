#include "shell/controls.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <initializer_list>

#include "shell/rules/messages.h"
#include "shell/rules/numbers.h"

namespace ocu {

void press(QPushButton* button) {
    Q_ASSERT(button != nullptr);
    emit button->clicked(false);
}

void select(QRadioButton* option) {
    Q_ASSERT(option != nullptr);
    option->setChecked(true);  // works for disabled and hidden options alike
    emit option->clicked(true);
}

void deselect(QRadioButton* option) {
    Q_ASSERT(option != nullptr);
    if (!option->isChecked()) return;
    // An exclusive frame refuses to let go of its selected option.
    QButtonGroup* group = option->group();
    const bool groupExclusive = group != nullptr && group->exclusive();
    const bool exclusive = option->autoExclusive();
    if (group != nullptr) group->setExclusive(false);
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
    if (group != nullptr) group->setExclusive(groupExclusive);
}

void ownTabStop(QWidget* innerFrame) {
    Q_ASSERT(innerFrame != nullptr);
    auto* group = new QButtonGroup(innerFrame);
    for (QRadioButton* option : innerFrame->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        group->addButton(option);
    }
}

double leadingNumberOf(const QLineEdit* box) { return leadingNumber(box->text().toStdString()); }

std::optional<double> numberOrComplain(QLineEdit* box, const QString& what) {
    const auto number = wholeNumber(box->text().toStdString());
    if (number) return number;
    showMessage(box, QString::fromStdString(notANumberMessage(what.toStdString())));
    box->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

namespace {
constexpr double kPxPerMm = 96.0 / 25.4;
constexpr const char* kLeft = "ocuLeftMm";
constexpr const char* kTop = "ocuTopMm";
constexpr const char* kWidth = "ocuWidthMm";
constexpr const char* kHeight = "ocuHeightMm";

double stored(const QWidget* widget, const char* property, int px) {
    const QVariant value = widget->property(property);
    return value.isValid() ? value.toDouble() : pxToMm(px);
}
}  // namespace

int mmToPx(double mm) { return qRound(mm * kPxPerMm); }
double pxToMm(int px) { return px / kPxPerMm; }

void placeMm(QWidget* widget, double left, double top) {
    widget->setProperty(kLeft, left);
    widget->setProperty(kTop, top);
    widget->move(mmToPx(left), mmToPx(top));
}

void placeMm(QWidget* widget, double left, double top, double width, double height) {
    widget->setProperty(kWidth, width);
    widget->setProperty(kHeight, height);
    widget->resize(mmToPx(width), mmToPx(height));
    placeMm(widget, left, top);
}

void setLeftMm(QWidget* widget, double left) { placeMm(widget, left, stored(widget, kTop, widget->y())); }

void setTopMm(QWidget* widget, double top) { placeMm(widget, stored(widget, kLeft, widget->x()), top); }

QRectF geometryMm(const QWidget* widget) {
    const QRect px = widget->geometry();
    double left = stored(widget, kLeft, px.x());
    double top = stored(widget, kTop, px.y());
    double width = stored(widget, kWidth, px.width());
    double height = stored(widget, kHeight, px.height());
    // A widget moved or resized by other means no longer has the stored values.
    if (mmToPx(left) != px.x()) left = pxToMm(px.x());
    if (mmToPx(top) != px.y()) top = pxToMm(px.y());
    if (mmToPx(width) != px.width()) width = pxToMm(px.width());
    if (mmToPx(height) != px.height()) height = pxToMm(px.height());
    return {left, top, width, height};
}

void setClientSizeMm(QWidget* screen, double width, double height) {
    screen->setProperty(kWidth, width);
    screen->setProperty(kHeight, height);
    screen->setFixedSize(mmToPx(width), mmToPx(height));
}

void placeAsDesigned(QWidget* screen) {
    constexpr const char* kDesignedLeft = "leftMm";
    constexpr const char* kDesignedTop = "topMm";
    constexpr const char* kDesignedWidth = "widthMm";
    constexpr const char* kDesignedHeight = "heightMm";
    const auto designs = [](const QWidget* widget, std::initializer_list<const char*> properties) {
        return std::any_of(properties.begin(), properties.end(),
                           [widget](const char* property) { return widget->property(property).isValid(); });
    };
    if (designs(screen, {kDesignedWidth, kDesignedHeight})) {
        setClientSizeMm(screen, stored(screen, kDesignedWidth, screen->width()),
                        stored(screen, kDesignedHeight, screen->height()));
    }
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        if (!designs(control, {kDesignedLeft, kDesignedTop, kDesignedWidth, kDesignedHeight})) continue;
        const QRect px = control->geometry();
        placeMm(control, stored(control, kDesignedLeft, px.x()), stored(control, kDesignedTop, px.y()),
                stored(control, kDesignedWidth, px.width()), stored(control, kDesignedHeight, px.height()));
    }
}

namespace {

class FocusReaction : public QObject {
public:
    FocusReaction(QWidget* control, QEvent::Type type, std::function<void()> reaction)
        : QObject(control), type_(type), reaction_(std::move(reaction)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                reaction_();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> reaction_;
};

}  // namespace

void onFocusIn(QWidget* control, std::function<void()> reaction) {
    new FocusReaction(control, QEvent::FocusIn, std::move(reaction));
}

void onFocusOut(QWidget* control, std::function<void()> reaction) {
    new FocusReaction(control, QEvent::FocusOut, std::move(reaction));
}

void showMessage(QWidget* over, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), text, QMessageBox::Ok,
                    over != nullptr ? over->window() : nullptr);
    box.setObjectName(QStringLiteral("OcuvanceMessage"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace ocu
