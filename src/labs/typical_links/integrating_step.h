#pragma once
// Form1_1: the step response of the integrating link. The student reads the time at which
// the output reaches 1 (that is T) with the pointer readout.
#include "framework/typical_form.h"
#include "integrating_model.h"

class IntegratingStep : public TypicalForm {
  Q_OBJECT
 public:
  explicit IntegratingStep(Host& host);
  const integrating::Step& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  void Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y);

  integrating::Step data_;
};
