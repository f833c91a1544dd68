#include "shell/plansource.h"

#include <QWidget>

namespace ocu {

std::optional<record::Record> planRecordOf(const QWidget* screen) {
    const auto* source = dynamic_cast<const PlanSource*>(screen);
    if (source == nullptr) return std::nullopt;
    return source->planRecord();
}

QStringList planSummaryLines(const record::Record& record) {
    QStringList lines;
    for (const std::string& line : record::planSummary(record)) lines << QString::fromStdString(line);
    return lines;
}

}  // namespace ocu
