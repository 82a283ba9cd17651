// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form9_1, the state-variable work: the diagram turns step by step into the state-variable
// diagram of an oscillating link, each step wiped in from left to right with a black edge.
// Task 1 asks the type of the closed integrator (eight choices and "Ответить"), task 2 its
// gain and time constant, task 3 the feedback gain k3 for a given damping ratio; the summary
// closes the work. One error counter over the three number fields.
#include <QString>
#include <vector>

#include "framework/experiment_window.h"
#include "labs/diagrams/state_model.h"

class PlotView;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace diagrams {

class StateWindow : public ExperimentWindow {
  Q_OBJECT
 public:
  static constexpr int PictureWidth = 611;
  static constexpr int PictureHeight = 178;

  StateWindow(Host& host, const WindowDeclaration& declared);

  void FormCreate() override;
  void Timer1Timer() override;
  // "Ответить": checks the chosen link type.
  void Button1Click();

  const StateParams& params() const { return params_; }
  const StateAnswers& truth() const { return truth_; }
  int column() const { return column_; }
  int wipes() const { return wipes_; }
  PlotView* picture() const { return Image1; }
  PlotView* nextPicture() const { return Image2; }

 protected:
  TraceRunner::Recipe traceRecipe() override;
  void answerAccepted(int i) override;

 private:
  void buildTask1(QFrame* lower);
  void buildTask2(QFrame* lower);
  void buildTask3(QFrame* lower);
  void buildSummary(QFrame* lower);
  void showData();
  // Image2 := the picture, column counter 1, timer on: the wipe follows.
  void wipeTo(const QString& picture);
  // The step of the wipe at the column counter; false once the wipe has run to the right edge.
  bool wipeStep();
  void wipeEnded();
  void setWipeControls(bool on);
  void showOnly(std::initializer_list<QWidget*> visible);

  PlotView* Image1 = nullptr;
  PlotView* Image2 = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* Button1 = nullptr;
  std::vector<QRadioButton*> RB;
  QFrame* task1_ = nullptr;
  QFrame* task2_ = nullptr;
  QFrame* task3_ = nullptr;
  QFrame* given1_ = nullptr;
  QFrame* given2_ = nullptr;
  QFrame* summary_ = nullptr;
  QLabel* task3Text_ = nullptr;
  // Value labels: given data of tasks 2 and 3, and the summary.
  QLabel *LK1 = nullptr, *LT1 = nullptr, *LK2 = nullptr, *LT2 = nullptr, *LT3 = nullptr;
  QLabel *SK = nullptr, *ST = nullptr, *SG = nullptr, *ST1 = nullptr, *SK1 = nullptr, *ST3 = nullptr, *SK3 = nullptr;

  StateParams params_;
  StateAnswers truth_;
  int column_ = 0;
  int wipes_ = 0;
};

}  // namespace diagrams
