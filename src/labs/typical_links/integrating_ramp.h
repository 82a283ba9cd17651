#pragma once
// Form1_2: the response of the integrating link to the ramp g(t) = t. The curves cross at
// t = 2T, which the end of the trace marks; the answer T must be typed exactly.
#include "framework/typical_form.h"
#include "integrating_model.h"

class IntegratingRamp : public TypicalForm {
  Q_OBJECT
 public:
  explicit IntegratingRamp(Host& host);
  const integrating::Ramp& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  integrating::Ramp data_;
};
