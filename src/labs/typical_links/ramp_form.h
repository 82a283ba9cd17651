#pragma once
// The ramp windows of the aperiodic and oscillating links (Form2_2, Form3_2): the response to
// g(t) = t against the ramp, the crossing marked and labelled with its time; the student
// works out k from it. The answer box is live while the curves grow.
#include <functional>

#include "framework/typical_form.h"
#include "link_cases.h"

class QLabel;

struct RampSetup {
  QString objectName;
  QString caption;
  int helpContext = 0;
  TypicalLayout layout;
  QString intro;     // above the given values
  bool showsGamma = false;
  QString question;  // below them, before "k = "
  std::function<links::RampCase()> draw;
};

class RampForm : public TypicalForm {
  Q_OBJECT
 public:
  RampForm(Host& host, RampSetup setup);
  const links::RampCase& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  RampSetup setup_;
  links::RampCase data_;
  QLabel* valueT_ = nullptr;
  QLabel* valueG_ = nullptr;
};
