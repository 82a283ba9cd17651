// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/invariance/invariance_form.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "pictures/formula.h"

namespace invariance {

namespace {
constexpr int kPlotPanelWidth = 425;
}  // namespace

InvarianceForm::InvarianceForm(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : TypicalForm(host, declared, row.caption(),
                  {.title = row.title(), .counter = Counter::Spaced, .picture = row.picture}),
      row_(row) {
  // The disturbance work's title needs four lines at the shared size; it steps down until it
  // fits its panel.
  for (int px = 21; px >= 12; --px) {
    const QFont f = fonts::font(fonts::Arial, px, true);
    const QRect need = QFontMetrics(f).boundingRect(QRect(0, 0, titleLabel->width(), 1000),
                                                    Qt::AlignHCenter | Qt::TextWordWrap, titleLabel->text());
    if (need.height() <= titleLabel->height() || px == 12) {
      titleLabel->setFont(f);
      break;
    }
  }
  noReadout();  // these plots are read by eye, not with the pointer
  Timer1->setInterval(10);
}

void InvarianceForm::FormCreate() {
  TypicalForm::FormCreate();
  Randomize();
  params_ = drawParams();
  const QString seconds = QCoreApplication::translate("invariance", " c");
  LT1->setText(FloatToStr(params_.t1) + seconds);
  LT2->setText(numtext::FloatCut(params_.t2, 5) + seconds);
}

int InvarianceForm::parameterRows(int top, QWidget* panel, int x) {
  if (!panel) panel = taskPanel;
  ui::label(panel, QPoint(x, top), QCoreApplication::translate("invariance", "Для заданной САУ:"),
            fonts::font(fonts::Arial, 16));
  const QFont f = fonts::font(fonts::Arial, 19);
  QLabel* values[2];
  for (int i = 0; i < 2; ++i) {
    const int y = top + 22 + 24 * i;
    ui::label(panel, QRect(x + 8, y, 50, 23), QStringLiteral("T<sub>%1</sub> =").arg(i + 1), f, colors::Teal,
              Qt::AlignLeft | Qt::AlignVCenter);
    values[i] = ui::label(panel, QRect(x + 58, y, 110, 23), QString(), f, colors::Teal,
                          Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("LT%1").arg(i + 1));
  }
  LT1 = values[0];
  LT2 = values[1];
  return top + 22 + 48 + 4;
}

QLabel* InvarianceForm::taskRichText(const QRect& r, const QString& html, int pixels) {
  QLabel* l =
      ui::label(taskPanel, r, html, fonts::font(fonts::Arial, pixels), Qt::black, Qt::AlignLeft | Qt::AlignTop, true);
  l->setTextFormat(Qt::RichText);
  return l;
}

int InvarianceForm::errorRow(int top) {
  return addAnswerRow(top, QStringLiteral("e<sub>%1</sub>=").arg(row_.errorIndex()), 5, 68);
}

QLabel* InvarianceForm::formula(QWidget* parent, QPoint at, const QString& lhs, const QString& numerator,
                                const QString& denominator) {
  using pictures::draw::Formula;
  constexpr int px = 18, pad = 6, gap = 3;
  const Formula left(lhs, px), num(numerator, px), den(denominator, px);
  const qreal barWidth = std::max(num.width(), den.width()) + 4;
  const int w = static_cast<int>(std::ceil(pad + left.width() + 4 + barWidth + pad));
  const int h = static_cast<int>(std::ceil(pad + num.height() + 2 * gap + 1 + den.height() + pad));
  QPixmap pm(w, h);
  pm.fill(Qt::white);
  QPainter p(&pm);
  const qreal barY = std::round(pad + num.height() + gap) + 0.5;
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(0, 0, w - 1, h - 1);
  left.drawCentred(p, QPointF(pad + left.width() / 2, barY), Qt::black);
  const qreal fx = pad + left.width() + 4;
  p.drawLine(QPointF(fx, barY), QPointF(fx + barWidth, barY));
  num.drawCentred(p, QPointF(fx + barWidth / 2, barY - gap - num.height() / 2), Qt::black);
  den.drawCentred(p, QPointF(fx + barWidth / 2, barY + gap + den.height() / 2 + 1), Qt::black);
  p.end();
  auto* l = new QLabel(parent);
  l->setPixmap(pm);
  l->setGeometry(QRect(at, pm.size()));
  return l;
}

void InvarianceForm::plotGeometry() {
  // As wide as the main window's client area allows: the time axis runs to x = 400 and its
  // name stands beyond it.
  plotPanel->setGeometry(208, 104, kPlotPanelWidth, 241);
  Image1->setGeometry(1, 1, kPlotPanelWidth - 2, 239);
}

void InvarianceForm::placeIcons() {
  // Where the pictures leave room for them (the picture lies at (1, 1) in its panel).
  if (row_.reference()) {
    Image3->setGeometry(1, 53, 57, 33);
    Image4->setGeometry(359, 53, 57, 33);
  } else {
    Image3->setGeometry(210, 1, 57, 33);
    Image4->setGeometry(359, 48, 57, 41);
  }
}

void InvarianceForm::drawFrame(const Plot& plot) {
  const int y0 = plot.y0;
  const bool ref = row_.reference();
  Canvas& c = Image1->canvas();
  c.setPen(colors::Black, 1);
  plotText(50, 4, row_.plotTitle(), 10);
  if (ref) plotText(15, 200, QStringLiteral("0"), 12);
  plotText(15, 5, QStringLiteral("h"), 12);
  // The axis name would be cut by the plot's right edge at x = 400; it moves left just enough.
  const QString timeName = QCoreApplication::translate("invariance", "t, c");
  const int nameWidth = QFontMetrics(fonts::fontPt(fonts::SansSerif, 12, true)).horizontalAdvance(timeName);
  plotText(std::min(400, Image1->width() - nameWidth - 2), y0, timeName, 12);
  c.line(30, 20, 30, ref ? 220 : 230);
  c.line(10, y0, 400, y0);

  c.setFont(fonts::Arial, 8);
  c.setFontColor(colors::Black);
  for (const Tick& t : valueTicks(row_.work, row_.task)) {
    const int y = y0 - t.offset;
    c.line(30, y, 25, y);
    // Labels below the axis start further left: they carry a minus sign.
    c.textOut(t.offset < 0 ? 5 : 10, y - 5, FloatToStr(t.value));
  }
  for (int i = ref ? 50 : 0; i <= 350; i += 50) {
    c.line(i + 30, y0, i + 30, y0 + 5);
    // The time 0 would run into the first value label below the axis ("-0.1" and "0" read as
    // "-0.10"); the origin is marked by the value 0 already.
    if (i > 0) c.textOut(i + 22, y0 + 6, numtext::FloatCut(i * plot.dt, 5));
  }

  if (row_.task == Task::Runs) return;  // the last window has no icons
  // The icons: the plot at one seventh, their axes a little shorter than the plot's.
  const int base = mini(y0);
  const int inBottom = base + 3;
  const int outBottom = ref ? base + 3 : row_.task == Task::Error ? base + 11 : base + 7;
  for (PlotView* icon : {Image3, Image4}) {
    Canvas& ic = icon->canvas();
    ic.setPen(colors::Black, 1);
    ic.line(5, 3, 5, icon == Image3 ? inBottom : outBottom);
    ic.line(2, base, 58, base);
  }
}

}  // namespace invariance
