#pragma once
// Form1_3: the steady-state response of the integrating link to sin(ωt). The student reads
// the output amplitude 1/(ωT) and the phase shift -π/2 for the given T and ω.
#include "framework/typical_form.h"
#include "integrating_model.h"

class QLabel;

class IntegratingSine : public TypicalForm {
  Q_OBJECT
 public:
  explicit IntegratingSine(Host& host);
  const integrating::Sine& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  void buildTask();

  integrating::Sine data_;
  QLabel* valueT_ = nullptr;
  QLabel* valueW_ = nullptr;
};
