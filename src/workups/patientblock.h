#pragma once
// The patient information block both work-ups carry under the same names:
// Text2 name, Text3 age, Text4 sex, Text5 registration number, Text6 date and
// time, Text7 consultant, Text11 hospital or clinic.

#include "workups/rules/handoff_plan.h"

class QWidget;

namespace ocu {

// The registration number box empties itself whenever it gains the focus,
// and the date and time box gets the moment the screen opens.
void setUpPatientBlock(QWidget* screen);

// The block as the hand-offs carry it to the calculator.
handoff::Patient patientOf(const QWidget* screen);

}  // namespace ocu
