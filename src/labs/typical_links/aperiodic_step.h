#pragma once
// Form2_1: the step response of the aperiodic link. The student reads the settling time,
// the time constant and the gain with two level lines or, in the tangent mode (CB1), with
// the tangent that follows the pointer and meets the final value T after its point.
#include "aperiodic_model.h"
#include "framework/measuring_form.h"

class QCheckBox;

class AperiodicStep : public MeasuringForm {
  Q_OBJECT
 public:
  explicit AperiodicStep(Host& host);
  const aperiodic::Step& data() const { return data_; }
  // Pixel offset of the tangent point from the vertical axis.
  int tangentPoint() const { return b_; }

  void FormCreate() override;
  void CB1Click();

  QCheckBox* CB1 = nullptr;

 protected:
  TraceRunner::Recipe curveRecipe() override;
  void drawGuides(Canvas& plot) override;
  void pointerMoved(int b, int d) override;

 private:
  aperiodic::Step data_;
  int b_ = 50;
};
