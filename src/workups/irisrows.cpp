#include "workups/irisrows.h"

#include <QWidget>

#include "shell/controls.h"

namespace ocu {
namespace {

QWidget* iris(QWidget* screen, const char* name) {
    auto* picture = screen->findChild<QWidget*>(QLatin1String(name));
    Q_ASSERT(picture != nullptr);
    return picture;
}

void place(QWidget* picture, IrisPosition position) {
    setLeftMm(picture, position.left);
    setTopMm(picture, position.top);
}

}  // namespace

void placeIrisesAtBase(QWidget* screen, const IrisNames& names, const IrisBase& base) {
    moveIrises(screen, names, base, {0, 0, 0}, IrisShift::TowardsNose);
}

void moveIrises(QWidget* screen, const IrisNames& names, const IrisBase& base, const std::array<double, 3>& deviations,
                IrisShift shift) {
    const std::array<IrisRow, 3> rows = irisRows(base, deviations, shift);
    for (std::size_t i = 0; i < rows.size(); ++i) place(iris(screen, names[i].rightEye), rows[i].rightEye);
    for (std::size_t i = 0; i < rows.size(); ++i) place(iris(screen, names[i].leftEye), rows[i].leftEye);
}

}  // namespace ocu
