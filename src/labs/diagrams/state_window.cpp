// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/diagrams/state_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "framework/canvas.h"
#include "framework/messages.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "framework/rich_text.h"
#include "pictures/pictures.h"

namespace diagrams {

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("diagrams", "Представление схем в переменных сосотояния");

const char* const LinkTypes[LinkTypeCount] = {QT_TRANSLATE_NOOP("diagrams", "Интегрирующее"),
                                              QT_TRANSLATE_NOOP("diagrams", "Апериодическое"),
                                              QT_TRANSLATE_NOOP("diagrams", "Колебательное"),
                                              QT_TRANSLATE_NOOP("diagrams", "Чистого запаздывания"),
                                              QT_TRANSLATE_NOOP("diagrams", "Неминимально-фазовое 1-го порядка"),
                                              QT_TRANSLATE_NOOP("diagrams", "Пропорционально-интегральное"),
                                              QT_TRANSLATE_NOOP("diagrams", "Реального дифференцирования"),
                                              QT_TRANSLATE_NOOP("diagrams", "Инерционно-форсирующее")};

QString translated(const char* russian) { return QCoreApplication::translate("diagrams", russian); }
QString taskNumber(int n) { return QCoreApplication::translate("diagrams", "Задание №%1 из 3").arg(n); }
QFont arial(int px, bool bold = false, bool italic = false) { return fonts::font(fonts::Arial, px, bold, italic); }

QLabel* richLabel(QWidget* parent, QPoint at, const QString& html, const QFont& font, const QColor& color,
                  const QString& name = {}) {
  QLabel* l = ui::label(parent, at, QString(), font, color, name);
  l->setTextFormat(Qt::RichText);
  l->setText(html);
  l->adjustSize();
  return l;
}

// "k₁ = " in teal with its value label beside it, as the given data and the summary show them.
QLabel* valueRow(QWidget* parent, QPoint at, const QString& caption, const QString& name, int valueX = 52) {
  const QFont f = arial(21);
  richLabel(parent, at, caption, f, colors::Teal);
  return ui::label(parent, QRect(at.x() + valueX, at.y(), 120, 26), QString(), f, colors::Teal,
                   Qt::AlignLeft | Qt::AlignVCenter, false, name);
}

QGroupBox* group(QWidget* parent, const QRect& r, const QString& title) {
  auto* g = new QGroupBox(title, parent);
  g->setGeometry(r);
  g->setFont(arial(16, true));
  return g;
}

QString seconds(const QString& v) { return v + QCoreApplication::translate("diagrams", " c"); }

}  // namespace

StateWindow::StateWindow(Host& host, const WindowDeclaration& declared)
    : ExperimentWindow(host, declared, translated(Caption)) {
  noReadout();
  Timer1->setInterval(10);
  QWidget* c = client();

  auto* top = ui::panel(c, QRect(8, 8, 617, 184), ui::Bevel::Single, QStringLiteral("Panel1"));
  const QSize pic(PictureWidth, PictureHeight);
  Image1 = new PlotView(top, QRect(QPoint(3, 3), pic), pic);
  Image1->setObjectName(QStringLiteral("Image1"));
  // The next picture waits off screen until the wipe copies it over.
  Image2 = new PlotView(top, QRect(QPoint(3, 3), QSize(498, 178)), pic);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->hide();

  auto* lower = ui::panel(c, QRect(8, 200, 617, 177), ui::Bevel::Single, QStringLiteral("Panel2"));
  Label5 = ui::label(lower, QPoint(8, 12), taskNumber(1), arial(19, false, true), Qt::black, QStringLiteral("Label5"));
  buildTask1(lower);
  buildTask2(lower);
  buildTask3(lower);
  buildSummary(lower);
}

void StateWindow::buildTask1(QFrame* lower) {
  task1_ = ui::panel(lower, QRect(184, 1, 425, 169), ui::Bevel::None, QStringLiteral("Panel3"));
  ui::label(task1_, QPoint(8, 8),
            QCoreApplication::translate("diagrams", "Определите тип звена, указанного на рисунке:"), arial(13));
  Button1 = new QPushButton(QCoreApplication::translate("diagrams", "Ответить"), task1_);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(336, 4, 81, 25);
  connect(Button1, &QPushButton::clicked, this, [this] { guarded("Button1Click", [this] { Button1Click(); }); });
  auto* g = group(task1_, QRect(8, 32, 409, 131), QCoreApplication::translate("diagrams", "Тип звена:"));
  g->setObjectName(QStringLiteral("RadioGroup1"));
  for (int i = 0; i < LinkTypeCount; ++i) {
    auto* rb = new QRadioButton(translated(LinkTypes[i]), g);
    rb->setObjectName(QStringLiteral("RB%1").arg(i + 1));
    rb->setFont(fonts::fontPt(fonts::SansSerif, 8));
    const int column = i / 4, row = i % 4;
    rb->setGeometry(column == 0 ? 10 : 170, 24 + 25 * row, column == 0 ? 156 : 234, 22);
    RB.push_back(rb);
  }
}

void StateWindow::buildTask2(QFrame* lower) {
  using rich::named;
  given1_ = ui::panel(lower, QRect(8, 32, 169, 137), ui::Bevel::None, QStringLiteral("Panel4"));
  group(given1_, QRect(0, 0, 169, 100), QCoreApplication::translate("diagrams", "Исходные данные:"));
  LK1 = valueRow(given1_, QPoint(8, 28), named(QStringLiteral("k"), QStringLiteral("1")), QStringLiteral("LK1"));
  LT1 = valueRow(given1_, QPoint(8, 60), named(QStringLiteral("T"), QStringLiteral("1")), QStringLiteral("LT1"));

  task2_ = ui::panel(lower, QRect(184, 8, 425, 161), ui::Bevel::None, QStringLiteral("Panel5"));
  auto* g = group(task2_, QRect(0, 0, 425, 110),
                  QCoreApplication::translate("diagrams", "Для апериодического звена определите:"));
  for (int k = 0; k < 2; ++k) {
    const int y = 32 + 36 * k;
    richLabel(g, QPoint(12, y - 2), named(k == 0 ? QStringLiteral("k") : QStringLiteral("T"), QStringLiteral("2")),
              fonts::font(fonts::SansSerif, 21), Qt::black);
    auto* edit = new AnswerEdit(g, QRect(60, y, 89, 25), 7, QStringLiteral("Edit%1").arg(k + 1));
    auto* mark = new CheckMark(g, QRect(150, y, 35, 25), QStringLiteral("SpeedButton%1").arg(k + 1));
    addAnswer(edit, mark);
  }
}

void StateWindow::buildTask3(QFrame* lower) {
  using rich::named;
  given2_ = ui::panel(lower, QRect(8, 40, 177, 129), ui::Bevel::None, QStringLiteral("Panel6"));
  group(given2_, QRect(0, 0, 177, 124), QCoreApplication::translate("diagrams", "Исходные данные:"));
  LK2 = valueRow(given2_, QPoint(8, 26), named(QStringLiteral("k"), QStringLiteral("2")), QStringLiteral("LK2"));
  LT2 = valueRow(given2_, QPoint(8, 58), named(QStringLiteral("T"), QStringLiteral("2")), QStringLiteral("LT2"));
  LT3 = valueRow(given2_, QPoint(8, 90), named(QStringLiteral("T"), QStringLiteral("3")), QStringLiteral("LT3"));

  task3_ = ui::panel(lower, QRect(192, 16, 417, 153), ui::Bevel::None, QStringLiteral("Panel7"));
  task3Text_ = ui::label(task3_, QRect(4, 0, 409, 100), QString(), arial(16), Qt::black, Qt::AlignLeft | Qt::AlignTop,
                         true, QStringLiteral("Label6"));
  task3Text_->setTextFormat(Qt::RichText);
  richLabel(task3_, QPoint(8, 113), named(QStringLiteral("k"), QStringLiteral("3"), QStringLiteral(" = ")),
            fonts::font(fonts::SansSerif, 21), Qt::black);
  auto* edit = new AnswerEdit(task3_, QRect(60, 115, 89, 25), 7, QStringLiteral("Edit3"));
  auto* mark = new CheckMark(task3_, QRect(150, 115, 35, 25), QStringLiteral("SpeedButton3"));
  addAnswer(edit, mark);
}

void StateWindow::buildSummary(QFrame* lower) {
  using rich::named;
  summary_ = ui::panel(lower, QRect(8, 8, 601, 161), ui::Bevel::Single, QStringLiteral("Panel8"));
  const QString g = fonts::greek(QStringLiteral("g")) + QStringLiteral(" =");
  // The panel covers the task number and the task panels; it paints its own ground.
  ui::setBackground(summary_, colors::SkyBlue);
  SK = valueRow(summary_, QPoint(12, 20), QStringLiteral("k ="), QStringLiteral("SK"), 44);
  ST = valueRow(summary_, QPoint(12, 66), QStringLiteral("T ="), QStringLiteral("ST"), 44);
  SG = valueRow(summary_, QPoint(12, 112), g, QStringLiteral("SG"), 44);
  auto* bevel = new QFrame(summary_);
  bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
  bevel->setGeometry(196, 8, 4, 145);
  ST1 = valueRow(summary_, QPoint(216, 20), named(QStringLiteral("T"), QStringLiteral("1")), QStringLiteral("ST1"));
  SK1 = valueRow(summary_, QPoint(216, 66), named(QStringLiteral("k"), QStringLiteral("1")), QStringLiteral("SK1"));
  // The right column is the second chain of the final picture: 1/T3 · 1/p closed by k3.
  ST3 = valueRow(summary_, QPoint(404, 20), named(QStringLiteral("T"), QStringLiteral("3")), QStringLiteral("ST3"));
  SK3 = valueRow(summary_, QPoint(404, 66), named(QStringLiteral("k"), QStringLiteral("3")), QStringLiteral("SK3"));
}

void StateWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  column_ = 0;
  wipes_ = 0;
  Button1->show();
  Label5->setText(taskNumber(1));
  RB.front()->setChecked(true);
  showOnly({task1_});
  Image1->canvas().load(pictures::get(QStringLiteral("lab9_1")));
  Image2->canvas().load(pictures::get(QStringLiteral("lab9_2")));
  Randomize();
  params_ = drawStateParams();
  truth_ = stateAnswers(params_);
  expect(0, Acceptance::band(truth_.k2), numtext::FloatCut(truth_.k2, AnswerLength));
  expect(1, Acceptance::band(truth_.T2), numtext::FloatCut(truth_.T2, AnswerLength));
  expect(2, Acceptance::band(truth_.k3), numtext::FloatCut(truth_.k3, AnswerLength));
  showData();
}

void StateWindow::showData() {
  const StateParams& p = params_;
  const StateAnswers& a = truth_;
  LK1->setText(FloatToStr(p.k1));
  LT1->setText(seconds(FloatToStr(p.T1)));
  LK2->setText(numtext::FloatCut(a.k2, GivenLength));
  LT2->setText(seconds(numtext::FloatCut(a.T2, GivenLength)));
  LT3->setText(seconds(FloatToStr(p.T3)));
  task3Text_->setText(QCoreApplication::translate("diagrams",
                                                  "Определите %1, при котором система описывается как "
                                                  "колебательное звено с коэффициентом затухания %2 = %3")
                          .arg(rich::colored(QStringLiteral("k") + rich::sub(QStringLiteral("3")), colors::Purple),
                               fonts::greek(QStringLiteral("g")), FloatToStr(p.gamma)));
  SK->setText(numtext::FloatCut(a.k, SummaryLength));
  ST->setText(seconds(numtext::FloatCut(a.T, SummaryLength)));
  SG->setText(FloatToStr(p.gamma));
  ST1->setText(seconds(FloatToStr(p.T1)));
  SK1->setText(FloatToStr(p.k1));
  ST3->setText(seconds(FloatToStr(p.T3)));
  SK3->setText(numtext::FloatCut(a.k3, SummaryLength));
}

void StateWindow::showOnly(std::initializer_list<QWidget*> visible) {
  for (QWidget* w : {static_cast<QWidget*>(task1_), static_cast<QWidget*>(task2_), static_cast<QWidget*>(task3_),
                     static_cast<QWidget*>(given1_), static_cast<QWidget*>(given2_), static_cast<QWidget*>(summary_)})
    w->setVisible(std::find(visible.begin(), visible.end(), w) != visible.end());
}

void StateWindow::Timer1Timer() {
  Timer1->stop();
  retrace();
}

void StateWindow::setWipeControls(bool on) {
  Button1->setEnabled(on);
  edit(0)->setEnabled(on);
  edit(1)->setEnabled(false);
  edit(2)->setEnabled(on);
}

// Every trace of this window is a wipe; the controls wait while it runs.
TraceRunner::Recipe StateWindow::traceRecipe() {
  setWipeControls(false);
  TraceRunner::Recipe r;
  r.step = [this](int) { return wipeStep(); };
  r.finish = [this] { wipeEnded(); };
  return r;
}

bool StateWindow::wipeStep() {
  if (++column_ > PictureWidth) {
    // The picture is whole: this wipe is over. The one to "lab9_4" goes straight on to "lab9_5".
    if (wipes_++ != 2) return false;
    Image2->canvas().load(pictures::get(QStringLiteral("lab9_5")));
    column_ = 1;
    ++wipes_;
    ++column_;
  }
  // The black edge at the column, the new picture left of it.
  Canvas& c = Image1->canvas();
  c.setPen(colors::Black, 1);
  c.line(column_, 0, column_, PictureHeight);
  // Left of the column before, the new picture is there already; that column held the edge.
  const int from = column_ <= 2 ? 0 : column_ - 1;
  const QRect strip(from, 0, column_ - from, PictureHeight);
  c.copyRect(strip, Image2->canvas(), strip);
  return true;
}

void StateWindow::wipeEnded() {
  setWipeControls(true);
  if (task1_->isVisibleTo(client())) {
    for (QRadioButton* rb : RB)
      if (rb->isChecked()) rb->setFocus();
  } else if (task3_->isVisibleTo(client())) {
    edit(2)->setFocus();
  }
}

void StateWindow::wipeTo(const QString& picture) {
  Image2->canvas().load(pictures::get(picture));
  column_ = 1;
  Timer1->start();
}

void StateWindow::Button1Click() {
  if (!RB.at(AperiodicChoice)->isChecked()) {
    host().report(objectName(), Host::AnswerEvent::Wrong);
    host().messages().info(msg::NotRight);
    return;
  }
  host().report(objectName(), Host::AnswerEvent::Accepted);
  host().messages().info(msg::Right);
  Label5->setText(taskNumber(2));
  wipeTo(QStringLiteral("lab9_3"));
  showOnly({given1_, task2_});
  Button1->hide();
  openField(0);
}

void StateWindow::answerAccepted(int i) {
  if (i == 1) {
    wipeTo(QStringLiteral("lab9_4"));
    Label5->setText(taskNumber(3));
    showOnly({given2_, task3_});
  } else if (i == 2) {
    wipeTo(QStringLiteral("lab9_6"));
    showOnly({summary_});
  }
  ExperimentWindow::answerAccepted(i);
}

}  // namespace diagrams
