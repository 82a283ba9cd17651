// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/astatism/astatism_window.h"

#include "framework/plot_view.h"
#include "framework/random.h"
#include "labs/astatism/astatism_layout.h"
#include "pictures/pictures.h"

namespace astatism {

AstatismWindow::AstatismWindow(Host& host, const WindowDeclaration& declared, const WindowInfo& info)
    : ExperimentWindow(host, declared, layout::captionText(info), {858, 634}), info_(info) {
  noReadout();
  Timer1->setInterval(100);
}

void AstatismWindow::drawData() {
  Image2->canvas().load(pictures::get(QString::fromStdString(info_.picture)));
  Randomize();
  params_ = drawParams(info_);
  layout::showParameters(LT, params_);
  const std::vector<double> truth = trueAnswers(info_, params_);
  for (int i = 0; i < static_cast<int>(truth.size()); ++i)
    expect(i, Acceptance::band(truth[i]), layout::acceptedText(truth[i]));
}

}  // namespace astatism
