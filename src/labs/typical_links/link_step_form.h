// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step-response windows of the aperiodic and oscillating links (Form2_1, Form3_1): the
// link's response to a unit step read with the two measuring lines and the readout for the
// parameters the window asks. The aperiodic window adds the tangent mode (CB1): a tangent
// that follows the pointer and meets the final value T after its point.
#include <QPoint>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "aperiodic_model.h"
#include "framework/measuring_form.h"
#include "oscillating_model.h"

class QCheckBox;

// What a step window draws and checks, filled from a link's model.
struct StepCase {
  struct Answer {
    Acceptance rule;
    QString shown;
  };

  std::variant<aperiodic::Step, oscillating::Step> link;  // the drawn link, as its model has it
  double dt = 0;                                          // seconds per pixel
  std::function<int(int n)> height;                       // output height at time index n, as drawn
  int finalRow = 0;                                       // row of the final value
  std::vector<Answer> answers;
  // The tangent at the point b pixels right of the axis: its height at t = 0 and the column
  // at which it meets the final value, T seconds after its point. Empty without a tangent mode.
  std::function<double(int b)> tangentStart;
  std::function<int(int b)> tangentEndX;
  double T = 0;

  template <class Link>
  const Link& as() const {
    return std::get<Link>(link);
  }
  static StepCase of(const aperiodic::Step& s);
  static StepCase of(const oscillating::Step& s);
};

struct StepSetup {
  struct Row {
    int top;
    QString name;
    bool greek = false;
    QString index = {};  // the name's subscript, 12 pixels high under its right side
  };
  struct Label {
    QPoint at;
    QString text;
    int pixels;
  };

  QString caption;
  TypicalLayout layout;
  MeasuringShape shape;
  std::optional<QPoint> taskTextAt;  // where the task text moves; none: where the shape puts it
  std::vector<Row> rows;             // the answer rows, boxes at x = 44 for 7 characters
  std::vector<Label> notes;          // labels under the rows
  bool tangentMode = false;
  // The trace's look: where the input's rise ends in its icon, its pen, the icons' shift,
  // and the zero output dotted before the input.
  QPoint iconStep{31, 130};
  int inputPen = 3;
  int iconShift = 10;
  bool leadDots = false;
  std::function<StepCase()> draw;
};

class LinkStepForm : public MeasuringForm {
  Q_OBJECT
 public:
  LinkStepForm(Host& host, const WindowDeclaration& declared, StepSetup setup);
  const StepCase& data() const { return data_; }
  // Pixel offset of the tangent point from the vertical axis.
  int tangentPoint() const { return b_; }

  void FormCreate() override;
  void CB1Click();

  QCheckBox* CB1 = nullptr;  // the tangent mode; null in windows without one

 protected:
  TraceRunner::Recipe curveRecipe() override;
  void drawGuides(Canvas& plot) override;
  void pointerMoved(int b, int d) override;

 private:
  bool tangent() const;

  StepSetup setup_;
  StepCase data_;
  int b_ = 50;
};
