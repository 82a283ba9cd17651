#pragma once
// Form3_1: the step response of the oscillating link. The student reads k, the overshoot
// value σ, the settling time, γ and T with the two measuring lines and the readout.
#include "framework/measuring_form.h"
#include "oscillating_model.h"

class OscillatingStep : public MeasuringForm {
  Q_OBJECT
 public:
  explicit OscillatingStep(Host& host);
  const oscillating::Step& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe curveRecipe() override;

 private:
  oscillating::Step data_;
};
