#pragma once
// The sine windows of the aperiodic and oscillating links (Form2_3, Form3_3): for the given
// parameters the student reads the output amplitude and the phase shift of the steady-state
// response to sin(ωt). One class; each link passes its texts, icon scale and draw.
#include <functional>

#include "framework/typical_form.h"
#include "link_cases.h"

class QLabel;

struct SineSetup {
  QString objectName;
  QString caption;
  int helpContext = 0;
  TypicalLayout layout;
  int iconScale = 7;  // the icons show the plot at 1/iconScale
  bool showsGamma = false;
  std::function<links::SteadySine()> draw;
};

class SineForm : public TypicalForm {
  Q_OBJECT
 public:
  SineForm(Host& host, SineSetup setup);
  const links::SteadySine& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  void buildTask();

  SineSetup setup_;
  links::SteadySine data_;
  QLabel* values_[4] = {};
};
