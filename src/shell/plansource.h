#pragma once
// A screen whose work belongs in the patient's record as a plan summary.
// The print screen asks any screen it prints for this, knowing nothing of
// work-ups or the calculator.

#include <QStringList>

#include "print/rules/plansummary.h"

class QWidget;

namespace ocu {

class PlanSource {
public:
    virtual ~PlanSource() = default;
    // The screen's fields as the record holds them, read as they stand now.
    virtual record::Record planRecord() const = 0;
};

// The screen's record, or nullopt when the screen keeps none.
std::optional<record::Record> planRecordOf(const QWidget* screen);

// The record's plan summary, a line each (record::planSummary).
QStringList planSummaryLines(const record::Record& record);

}  // namespace ocu
