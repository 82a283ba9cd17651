// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window 2 of both works: the parameters k, b, a of the ideal compensator
// Wk = k·(b·p + 1)/(a·p + 1), then whether it can be built. "No" is right; "Yes" starts the
// window over with new lags, without a word.
#include "labs/invariance/invariance_form.h"

namespace invariance {

class CompensatorForm : public InvarianceForm {
  Q_OBJECT
 public:
  CompensatorForm(Host& host, const WindowDeclaration& declared, const WindowRow& row);
  void FormCreate() override;

 protected:
  void allAnswered() override;
};

}  // namespace invariance
