// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/stability/frequency_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSlider>
#include <cmath>
#include <numbers>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "framework/captions.h"

namespace stability {

using captions::sub;
using captions::text;
using numtext::FloatCut;

namespace {

constexpr int kAxisX = 150, kAxisY = 60;

// The index of the gain crossover frequency ω_ср.
QString cutoffIndex() {
  //: Index of the gain crossover frequency ω (Russian ω_ср, "частота среза"); English ω_c.
  return QCoreApplication::translate("stability", "ср");
}

QSlider* trackBar(QWidget* parent, Qt::Orientation o, const QRect& r, int max, int pos, const char* name) {
  auto* s = new QSlider(o, parent);
  s->setGeometry(r);
  s->setRange(0, max);
  s->setValue(pos);
  s->setTickPosition(QSlider::NoTicks);
  // A vertical bar counts rows from the top, as the plot does.
  if (o == Qt::Vertical) s->setInvertedAppearance(true);
  s->setObjectName(QLatin1String(name));
  return s;
}

QString taskHtml(const WindowRow& row) {
  const QString purple = QStringLiteral("<span style='color:#800080'>%1</span>");
  const QString omega = indexed(QStringLiteral("ω"), cutoffIndex());
  if (row.loop == Loop::Forcing)
    return QCoreApplication::translate("stability",
                                       "Определите запас устойчивости по фазе %1 и частоту среза %2, "
                                       "если %3 &gt; %4, %5 - прежние")
        .arg(purple.arg(QStringLiteral("Δφ")), purple.arg(omega), indexed("T", "4"), indexed("T", critical(4)),
             indexed("T", "1") + ", " + indexed("T", "2") + ", " + indexed("T", "3") + ", " + indexed("k", "1"));
  return QCoreApplication::translate("stability",
                                     "Определите запасы устойчивости %1 и частоту среза %2, если %3 = %4, "
                                     "%5 - прежние")
      .arg(purple.arg(QStringLiteral("ΔL, Δφ")), purple.arg(omega), indexed("k", "1"), indexed("k", critical()),
           indexed("T", "1") + ", " + indexed("T", "2") + ", " + indexed("T", "3"));
}

}  // namespace

FrequencyWindow::FrequencyWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : StabilityWindow(host, declared, row) {
  setReadoutNames(QStringLiteral("L = "), QStringLiteral("lg(w)= "));

  auto* task = panel(QRect(8, 76, 177, 301), QStringLiteral("Panel2"));
  taskNumber(task);
  richText(task, QRect(8, 30, 163, 150), taskHtml(row), 16);
  const QFont main = captions::sansSerif(21), small = captions::sansSerif(13);
  int y = 172;
  if (!marginsOnBoundary()) {
    // No phase crossover: the gain margin is infinite and is not asked.
    const int x = captions::caption(task, QPoint(8, y), {text("ΔL=")}, main, small, Qt::black);
    ui::label(task, QPoint(x + 8, y - 2), QStringLiteral("∞"), fonts::font(fonts::Arial, 24), Qt::black,
              QStringLiteral("LDeltaL"));
    y += 34;
  } else {
    const auto r = captions::answerRow(task, 1, y, {text("ΔL=")}, 13, 7, 56);
    addAnswer(r.edit, r.mark);
    y += 34;
  }
  {
    const auto r = captions::answerRow(task, answerCount() + 1, y, {text("Δφ=")}, 13, 7, 56);
    addAnswer(r.edit, r.mark);
    y += 34;
  }
  const auto w = captions::answerRow(task, answerCount() + 1, y, {text("ω"), sub(cutoffIndex()), text("=")}, 13, 7, 56);
  addAnswer(w.edit, w.mark);

  auto* plots = panel(QRect(190, 128, 437, 252), QStringLiteral("Panel1"));
  TrackBar1 = trackBar(plots, Qt::Horizontal, QRect(2, 1, kWidth, 18), kWidth, 50, "TrackBar1");
  Image1 = new PlotView(plots, QRect(2, 19, kWidth, kHeight));
  Image1->setObjectName(QStringLiteral("Image1"));
  TrackBar2 = trackBar(plots, Qt::Vertical, QRect(kWidth + 4, 19, 18, kHeight), kHeight, 20, "TrackBar2");
  Image3 = new PlotView(plots, QRect(2, 136, kWidth, kHeight));
  Image3->setObjectName(QStringLiteral("Image3"));
  TrackBar3 = trackBar(plots, Qt::Vertical, QRect(kWidth + 4, 136, 18, kHeight), kHeight, 20, "TrackBar3");
  Image4 = new PlotView(plots, QRect(0, 0, kWidth, kHeight));
  Image5 = new PlotView(plots, QRect(0, 0, kWidth, kHeight));
  Image4->setObjectName(QStringLiteral("Image4"));
  Image5->setObjectName(QStringLiteral("Image5"));
  Image4->hide();
  Image5->hide();

  for (QSlider* s : {TrackBar1, TrackBar2, TrackBar3})
    connect(s, &QSlider::valueChanged, this, [this] { guarded("TrackBarChange", [this] { TrackBarChange(); }); });
  Image1->onMouseMove([this](auto b, auto m, int x, int y) { plotMove(false, b, m, x, y); });
  Image3->onMouseMove([this](auto b, auto m, int x, int y) { plotMove(true, b, m, x, y); });
  Image1->setAccessibleName(QCoreApplication::translate("stability", "ЛАЧХ разомкнутой системы"));
  Image3->setAccessibleName(QCoreApplication::translate("stability", "ЛФЧХ разомкнутой системы"));
  TrackBar1->setAccessibleName(QCoreApplication::translate("stability", "Курсор частоты, lg ω"));
  TrackBar2->setAccessibleName(QCoreApplication::translate("stability", "Курсор амплитуды, L"));
  TrackBar3->setAccessibleName(QCoreApplication::translate("stability", "Курсор фазы, φ"));
  for (PlotView* v : {Image1, Image3}) v->setOrigin({kAxisX, kAxisY});
}

double FrequencyWindow::phaseMargin() const { return -std::numbers::pi - open_.phi(cross_.w); }

void FrequencyWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  plotted_ = false;
  for (PlotView* v : {Image1, Image3, Image4, Image5}) v->canvas().loadWall();
  takeData();
  double value = criticalGain(row_.loop, params_);
  if (row_.loop == Loop::Forcing) {
    Randomize();
    value = row_.multiplier.of(RandomRange(row_.multiplier.lo, row_.multiplier.hi)) * criticalT4(params_);
  }
  open_ = OpenLoop{row_.loop, params_, value};
  sL_ = row_.slPixels / open_.L(row_.slAt);
  cross_ = crossover(open_);

  int i = 0;
  if (marginsOnBoundary()) {
    // The loop is on the boundary: both margins are zero, and only zero is right.
    expect(i++, Acceptance::exact(0), QStringLiteral("0"));
    expect(i++, Acceptance::exact(0), QStringLiteral("0"));
  } else {
    const Acceptance b = readMarginBand(open_, cross_, sL_);
    expect(i++, b, acceptedText(phaseMargin()));
  }
  expect(i, crossoverBand(open_, cross_, sL_), acceptedText(cross_.w));
}

void FrequencyWindow::regenerate() { restartAtOwner(); }

TraceRunner::Recipe FrequencyWindow::traceRecipe() {
  // The plots are drawn at once on the first tick: amplitude, then phase.
  return {[this](int j) {
            if (j == 1) drawAmplitude();
            if (j == 2) drawPhase();
            return j <= 2;
          },
          {},
          25};
}

void FrequencyWindow::drawFrame(Canvas& c, bool phase) {
  c.setBrush(colors::White);
  c.fillRect(0, 0, kWidth, kHeight);
  c.setPen(colors::Black, 1);
  c.line(kAxisX, 10, kAxisX, kHeight - 10);
  c.line(10, kAxisY, kWidth - 10, kAxisY);
  c.setFont(fonts::SansSerif, 10, true);
  c.setFontColor(colors::Black);
  if (!phase) c.textOut(180, 0, QCoreApplication::translate("stability", "ЛЧХ разомкнутой системы"));
  c.textOut(kWidth - 40, 40, QStringLiteral("lg(w)"));
  c.textOut(155, 0, phase ? fonts::greek(QStringLiteral("j")) : QStringLiteral("L"));
  c.setFont(fonts::Arial, 8);
  for (int i = -150; i <= 265; ++i)
    if (i % 50 == 0) {
      c.line(i + kAxisX, kAxisY, i + kAxisX, kAxisY + 5);
      c.textOut(i + 146, 66, FloatToStr(i / 100.0));
    }
  for (int i : {-50, -25, 0, 25, 50}) {
    c.line(kAxisX, kAxisY - i, kAxisX - 5, kAxisY - i);
    if (phase)
      c.textOut(125, 52 - i, FloatToStr(i / 10.0));
    else
      c.textOut(120, 52 - i, FloatCut(i / sL_, 5));
  }
}

void FrequencyWindow::drawAmplitude() {
  Canvas& c = Image1->canvas();
  drawFrame(c, false);
  c.setPen(colors::Blue, 2);
  for (int i = -150; i <= 265; ++i) {
    const double w0 = std::pow(10.0, i / 100.0), w1 = std::pow(10.0, (i + 1) / 100.0);
    c.line(i + kAxisX, kAxisY - ceil_(open_.L(w0) * sL_), i + kAxisX + 1, kAxisY - ceil_(open_.L(w1) * sL_));
  }
  Image4->canvas().copyRect(QRect(0, 0, kWidth, kHeight), c, QRect(0, 0, kWidth, kHeight));
}

void FrequencyWindow::drawPhase() {
  Canvas& c = Image3->canvas();
  drawFrame(c, true);
  c.setPen(colors::Blue, 2);
  for (int i = -150; i <= 265; ++i) {
    const double w0 = std::pow(10.0, i / 100.0), w1 = std::pow(10.0, (i + 1) / 100.0);
    c.line(i + kAxisX, kAxisY - ceil_(open_.phi(w0) * 10), i + kAxisX + 1, kAxisY - ceil_(open_.phi(w1) * 10));
  }
  Image5->canvas().copyRect(QRect(0, 0, kWidth, kHeight), c, QRect(0, 0, kWidth, kHeight));
  plotted_ = true;
}

QString FrequencyWindow::amplitudeCursorText() const {
  const int p1 = TrackBar1->value(), p2 = TrackBar2->value();
  return QCoreApplication::translate("stability", "L = %1 дБ; w= %2 рад/с")
      .arg(FloatCut((kAxisY - p2) / sL_, 5), FloatCut(std::pow(10.0, (p1 - kAxisX) / 100.0), 5));
}

QString FrequencyWindow::phaseCursorText() const {
  const int p1 = TrackBar1->value(), p3 = TrackBar3->value();
  return QCoreApplication::translate("stability", "%1 рад; log(w)= %2")
      .arg(FloatCut((kAxisY - p3) / 10.0, 5), FloatCut((p1 - kAxisX) / 100.0, 5));
}

void FrequencyWindow::TrackBarChange() {
  // Until both plots are drawn there is no backup to put the cursors on.
  if (!plotted_) return;
  const QRect all(0, 0, kWidth, kHeight);
  Canvas& a = Image1->canvas();
  Canvas& f = Image3->canvas();
  a.copyRect(all, Image4->canvas(), all);
  f.copyRect(all, Image5->canvas(), all);
  const int p1 = TrackBar1->value();

  a.setPen(colors::Red, 1);
  a.line(p1, 0, p1, kHeight);
  a.line(0, TrackBar2->value(), kWidth, TrackBar2->value());
  a.setFont(fonts::Arial, 8);
  a.setFontColor(colors::Teal);
  a.textOut(5, 0, amplitudeCursorText());
  a.setFontColor(colors::Black);

  f.setPen(colors::Red, 1);
  f.line(p1, 0, p1, kHeight);
  f.line(0, TrackBar3->value(), kWidth, TrackBar3->value());
  f.setFont(fonts::Arial, 8);
  f.setFontColor(colors::Teal);
  f.textOut(5, 0, fonts::greek(QStringLiteral("j = ")));
  f.textOut(23, 0, phaseCursorText());
  f.setFontColor(colors::Black);
}

void FrequencyWindow::plotMove(bool phase, Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  readoutMove(phase ? Image3 : Image1, b, m, [&] {
    const int x = readoutOffset(X, 30, 380, X - kAxisX, 0, 0);
    const int y = readoutOffset(Y, 20, 260, kAxisY - Y, 0, 0);
    ReadoutText t;
    t.xName = phase ? fonts::greek(QStringLiteral("j = ")) : QStringLiteral("L = ");
    t.xValue = FloatCut(phase ? y / 10.0 : y / sL_, 5) + QStringLiteral(";");
    t.yName = QStringLiteral("lg(w)= ");
    t.yValue = FloatCut(x / 100.0, 5);
    return t;
  });
}

}  // namespace stability
