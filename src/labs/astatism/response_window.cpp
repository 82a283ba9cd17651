// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/astatism/response_window.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "labs/astatism/astatism_layout.h"
#include "pictures/pictures.h"

namespace astatism {

using namespace layout;

ResponseWindow::ResponseWindow(Host& host, const WindowDeclaration& declared, const WindowInfo& info)
    : AstatismWindow(host, declared, info) {
  firstFieldOpenDuringTrace_ = true;

  // Work 4's third parameter row takes 16 pixels from the title panel.
  const int lift = info.paramCount == 3 ? 16 : 0;
  QWidget* c = client();

  titlePanel(c, info, QRect(8, 8, 177, 113 - lift), lift / 2, lift);
  Image2 = diagramPanel(c, info, QRect(192, 8, 433, 115), {427, 109});
  // The input icon lies under "G", or beside the "F" arrow; the output icon under "R".
  const QRect in = reference() ? QRect(0, 72, 57, 37) : QRect(248, 0, 57, 33);
  Image3 = new PlotView(Image2, in, in.size());
  Image3->setObjectName(QStringLiteral("Image3"));
  Image4 = new PlotView(Image2, QRect(362, 72, 65, 37), QSize(65, 37));
  Image4->setObjectName(QStringLiteral("Image4"));

  auto* plotPanel = ui::panel(c, QRect(192, 130, 429, 247), ui::Bevel::Single, QStringLiteral("Panel1"));
  Image1 = new PlotView(plotPanel, QRect(3, 3, kPlotWidth, kPlotHeight));
  Image1->setObjectName(QStringLiteral("Image1"));

  // Rows of the task panel below the parameters. Work 4's third parameter needs a full row, so
  // its texts move down by 26 and its answer rows close up to fit the taller panel.
  struct Rows {
    int ask, error, signal, answers, step;
  };
  const Rows rows = lift ? Rows{92, 120, 144, 176, 30} : Rows{66, 94, 116, 152, 32};
  auto* task = ui::panel(c, QRect(8, 128 - lift, 177, 249 + lift), ui::Bevel::Single, QStringLiteral("Panel2"));
  ui::label(task, QPoint(8, 0), declared.counter(Counter::Spaced), arial(19, false, true));
  LT = parameterRows(task, info, 20);
  ui::label(task, QRect(1, rows.ask, 168, 30),
            QCoreApplication::translate("astatism", "Определите установившуюся ошибку"), arial(13), colors::Black,
            Qt::AlignHCenter | Qt::AlignTop, true);
  const std::vector<Run> error{
      text(QStringLiteral("e(t) =a")), sub(QStringLiteral("0")), text(QStringLiteral("+a")), sub(QStringLiteral("1")),
      text(QStringLiteral("t + a")),   sub(QStringLiteral("2")), text(QStringLiteral("t")),  sup(QStringLiteral("2"))};
  const QFont eMain = sansSerif(21), eIndex = sansSerif(13);
  caption(task, {std::max(2, (177 - captionWidth(error, eMain, eIndex)) / 2), rows.error}, error, eMain, eIndex,
          colors::Purple);
  ui::label(task, QRect(5, rows.signal, 164, 32),
            QCoreApplication::translate("astatism", "при воздействии указанного сигнала"), arial(13), colors::Black,
            Qt::AlignHCenter | Qt::AlignTop, true);
  for (int k = 0; k < 3; ++k) {
    const AnswerRow row = answerRow(task, k + 1, rows.answers + rows.step * k,
                                    {text(QStringLiteral("a")), sub(QString::number(k)), text(QStringLiteral("="))}, 13,
                                    info.answerMaxLength());
    addAnswer(row.edit, row.mark);
  }
}

void ResponseWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  sim_.reset();
  // A new run starts from blank bitmaps: nothing of the previous curve may stay.
  Image1->canvas().loadWall();
  Image3->canvas().loadWall();
  Image4->canvas().loadWall();
  drawData();
}

// The new trace starts at the next tick, after the key handler that asked for it has returned.
void ResponseWindow::regenerate() {
  newData();
  FormActivate();
  Timer1->start();
}

const QColor& ResponseWindow::inputColor() const { return reference() ? colors::Red : colors::Fuchsia; }

TraceRunner::Recipe ResponseWindow::traceRecipe() {
  const Trace& s = sim_.emplace(info_, params_);
  ++started_;
  drawFrame(s);
  drawStart(s);
  return {[this](int) { return drawStep(); },
          [this] {
            drawClosingLabels();
            ++finished_;
          },
          20};
}

// Axes of the icons and the plot, titles, time and value ticks.
void ResponseWindow::drawFrame(const Trace& s) {
  const int Y0 = s.y0(), W = kPlotWidth, H = kPlotHeight;
  const int R = s.iconAxisRow();
  for (PlotView* icon : {Image3, Image4}) {
    Canvas& c = icon->canvas();
    c.setPen(colors::Black, 1);
    c.line(4, 2, 4, 29);
    c.line(2, R, 52, R);
  }

  Canvas& plot = Image1->canvas();
  plot.setPen(colors::Black, 1);
  plot.line(30, 10, 30, H - 10);
  plot.line(10, Y0, W - 10, Y0);

  const QString face = info_.shape == Shape::Parabola ? fonts::Arial : fonts::SansSerif;
  plot.setFont(face, 10, true);
  plot.setFontColor(colors::Black);
  const QString title = plotTitle(info_);
  plot.textOut(55, 0, title);
  if (info_.plot.exponentX) {
    // The exponent of "t" goes right after the title as this face sets it; a fixed column
    // would leave it floating apart from the "t".
    const int x = 55 + QFontMetrics(fonts::fontPt(face, 10, true)).horizontalAdvance(title) + 1;
    plot.setFontSize(7);
    plot.textOut(x, 0, QStringLiteral("2"));
    plot.setFontSize(10);
  }
  plot.textOut(35, 0, QStringLiteral("h"));
  plot.textOut(W - 40, Y0 - 20, QCoreApplication::translate("astatism", "t, c"));

  plot.setFontSize(8);
  plot.setFontStyle(false);
  for (const TimeTick& t : s.timeTicks()) {
    plot.line(t.column, Y0, t.column, Y0 + 5);
    plot.textOut(t.labelX, t.labelY, FloatToStr(t.value));
  }
  // A label wider than the room left of its tick is moved left so that it never blanks the
  // tick or the axis.
  const QFontMetrics fm(fonts::fontPt(face, 8));
  for (const ValueTick& v : s.valueTicks()) {
    plot.line(30, v.row, 25, v.row);
    const QString label = numtext::FloatCut(v.value, v.maxChars);
    plot.textOut(std::min(v.labelX, 25 - fm.horizontalAdvance(label)), v.labelY, label);
  }
}

// The input before t = 0 (and the jump of a step) on the plot and on the input icon.
void ResponseWindow::drawStart(const Trace& s) {
  const int Y0 = s.y0(), R = s.iconAxisRow();
  const bool step = info_.shape == Shape::Step;
  const int jump = Y0 - ceil_(s.ky());
  Canvas& plot = Image1->canvas();
  plot.setPen(inputColor(), 2);
  plot.line(10, Y0, 30, Y0);
  if (step) {
    plot.line(30, Y0, 30, jump);
    if (!reference()) {
      plot.setPenWidth(1);
      plot.line(30, Y0, 30, Y0 + ceil_(s.ky()));
      plot.setPenWidth(2);
    }
  }
  Canvas& in = Image3->canvas();
  in.setPen(inputColor(), 1);
  in.line(2, R, 4, R);
  if (step) in.line(4, R, 4, Trace::toIcon(jump));
}

// One Euler step: the output segment on the plot and the output icon, then the input
// segment on the plot (and its mirror for a disturbance) and on the input icon.
bool ResponseWindow::drawStep() {
  if (!sim_ || sim_->finished()) return false;
  Trace& s = *sim_;
  Canvas& plot = Image1->canvas();
  Canvas& out = Image4->canvas();
  Canvas& in = Image3->canvas();
  auto icon = [](int p) { return Trace::toIcon(p); };

  plot.setPen(colors::Blue, 2);
  plot.moveTo(s.column(s.state().t), s.row(s.state().r));
  out.moveTo(icon(s.column(s.state().t)), icon(s.row(s.state().r)));
  s.step();
  const double t = s.state().t, dt = s.dt();
  const int x = s.column(t), y = s.row(s.state().r);
  out.setPen(colors::Blue, 1);
  out.lineTo(icon(x), icon(y));
  plot.lineTo(x, y);

  const int next = s.column(t + dt);
  const int row = s.inputRow(t);
  plot.setPen(inputColor(), 2);
  if (reference()) {
    plot.line(x, row, next, s.inputRow(t + dt));
  } else {
    plot.line(x, row, next, row);
    plot.setPenWidth(1);
    plot.line(x, s.mirroredInputRow(t), next, s.mirroredInputRow(t));
    plot.setPenWidth(2);
  }
  in.setPen(inputColor(), 1);
  in.line(icon(x), icon(row), icon(next), icon(row));
  return true;
}

void ResponseWindow::drawClosingLabels() {
  if (!sim_) return;
  const ClosingLabels l = sim_->closingLabels();
  Canvas& plot = Image1->canvas();
  plot.setFontSize(10);
  // Curves that run to column 405 or 410 would push a label past the plot's right edge.
  const QFontMetrics fm(fonts::fontPt(info_.shape == Shape::Parabola ? fonts::Arial : fonts::SansSerif, 10));
  auto put = [&](Point at, const QString& text) {
    plot.textOut(std::min(at.x, kPlotWidth - 1 - fm.horizontalAdvance(text)), at.y, text);
  };
  plot.setFontColor(inputColor());
  put(l.input, reference() ? QStringLiteral("g(t)") : QStringLiteral("f(t)"));
  if (l.mirroredInput) put(*l.mirroredInput, QStringLiteral("-f(t)"));
  // An output that ends on or just below the time axis would write "r(t)" over the last time
  // label; it goes under the row of time labels instead.
  const QString r = QStringLiteral("r(t)");
  Point out = l.output;
  const QFontMetrics small(fonts::fontPt(info_.shape == Shape::Parabola ? fonts::Arial : fonts::SansSerif, 8));
  const QRect cell(std::min(out.x, kPlotWidth - 1 - fm.horizontalAdvance(r)), out.y, fm.horizontalAdvance(r),
                   fm.height());
  for (const TimeTick& t : sim_->timeTicks())
    if (cell.intersects(QRect(t.labelX, t.labelY, small.horizontalAdvance(FloatToStr(t.value)), small.height())))
      out.y = t.labelY + small.height();
  plot.setFontColor(colors::Blue);
  put(out, r);
  plot.setFontColor(colors::Black);
}

}  // namespace astatism
