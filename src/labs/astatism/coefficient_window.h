#pragma once
// Windows _1 and _2 of every astatism work: the error coefficients c0, c1, c2 and the order of
// astatism of the loop, for the reference (_1) or the disturbance (_2). No trace, no readout.
#include <vector>

#include "framework/experiment_window.h"
#include "labs/astatism/astatism_model.h"

class PlotView;
class QLabel;

namespace astatism {

class CoefficientWindow : public ExperimentWindow {
 public:
  CoefficientWindow(Host& host, const WindowInfo& info);

  void FormCreate() override;
  void Timer1Timer() override;
  void regenerate() override;

  const WindowInfo& info() const { return info_; }
  const Params& params() const { return params_; }

  PlotView* Image2 = nullptr;
  std::vector<QLabel*> LT;  // LT1, LT2 (LT3)

 protected:
  void allAnswered() override;

 private:
  const WindowInfo& info_;
  Params params_;
};

}  // namespace astatism
