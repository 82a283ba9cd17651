#pragma once
// Which window follows which. Next finds the row whose From is the active window; Back
// shows the From of the row whose To is the active window.
#include <QString>
#include <vector>

struct NextRow {
  QString from;
  QString to;              // equal to `from` for the repeated frequency experiments
  bool repeat = false;     // run the same window again with fresh data
  bool resetCounter = false;  // RepeatCount := 1 before the window is created
  bool activateOnRepeat = false;  // the repeat also runs FormActivate
};

const std::vector<NextRow>& nextTable();
const NextRow* nextRowFrom(const QString& form);
// The row of kind open that leads to `form` (its predecessor), if any.
const NextRow* openRowTo(const QString& form);
