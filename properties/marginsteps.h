#pragma once

#include <QStringList>

namespace ql {

// Margins are chosen from six quarter-inch steps, 0.25 to 1.5 inch, labelled
// in inches or in (rounded) millimetres. The label never changes the value.
constexpr int kMarginStepCount = 6;

const QStringList &MarginInchEntries();
const QStringList &MarginMillimetreEntries();

// The margin of a step 0..5; other indexes have none (-1).
float MarginStepValue(int index);
// The step shown for a margin: the largest step not above it, with anything
// below half an inch shown as the first step.
int MarginStepIndex(float inches);

} // namespace ql
