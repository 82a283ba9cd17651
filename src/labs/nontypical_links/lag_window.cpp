// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lag_window.h"

#include <QCoreApplication>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/widgets.h"
#include "pictures/pictures.h"

using namespace nontypical;

namespace {
QString title() { return QCoreApplication::translate("nontypical", "Неминимально-фазовое звено первого порядка"); }
constexpr QSize PictureSize{301, 91};
constexpr QSize PlotSize{301, 173};
constexpr int AmplitudeAxis = 140;
constexpr int PhaseAxis = 60;
constexpr int RowLeft[4] = {8, 160, 320, 472};

// The Symbol-font texts of the rows: ω→0 and ω→∞.
QString towards(bool infinity) {
  return fonts::greek(QStringLiteral("w") + QChar(0xAE) + (infinity ? QString(QChar(0xA5)) : QStringLiteral("0")));
}
}  // namespace

LagLinkWindow::LagLinkWindow(Host& host, const WindowDeclaration& declared, const LagWindow& row)
    : ExperimentWindow(host, declared,
                       QCoreApplication::translate("nontypical", "%1. Опыт №%2").arg(title()).arg(declared.index)),
      row_(row),
      own_(row.pole == Pole::Right ? colors::Red : colors::Blue) {
  hasTrace_ = false;
  auto* titlePanel = ui::panel(client(), QRect(8, 8, 617, 41), ui::Bevel::Single, QStringLiteral("Panel1"));
  ui::label(titlePanel, QRect(2, 2, 613, 37), title(), fonts::font(fonts::Arial, 24, true), colors::Navy,
            Qt::AlignCenter, false, QStringLiteral("Label1"));

  const auto view = [this](const QRect& panel, QSize size, QSize canvas, const char* name) {
    auto* p = ui::panel(client(), panel, ui::Bevel::Single);
    auto* v = new PlotView(p, QRect(QPoint(2, 2), size), canvas);
    v->setObjectName(QString::fromLatin1(name));
    return v;
  };
  Ris1 = view(QRect(8, 53, 305, 95), PictureSize, PictureSize, "Ris1");
  Ris2 = view(QRect(320, 53, 305, 95), PictureSize, PictureSize, "Ris2");
  IAw = view(QRect(8, 152, 305, 177), PlotSize, {455, 283}, "IAw");
  IFiw = view(QRect(320, 152, 305, 177), PlotSize, {455, 283}, "IFiw");
  for (int i = 0; i < 4; ++i) buildRow(i);
}

void LagLinkWindow::buildRow(int i) {
  auto* p =
      ui::panel(client(), QRect(RowLeft[i], 336, 153, 41), ui::Bevel::Single, QStringLiteral("PanelRow%1").arg(i + 1));
  ui::label(p, QPoint(5, 2), QStringLiteral("lim "), fonts::font(fonts::Arial, 13));
  L[i] = ui::label(p, QPoint(3, 19), QString(), fonts::font(fonts::Symbol, 11), Qt::black,
                   QStringLiteral("L%1").arg(i + 1));
  const bool amplitude = i < 2;
  ui::label(p, QPoint(35, 11), fonts::greek(amplitude ? QStringLiteral("A(w)=") : QStringLiteral("j(w)=")),
            fonts::font(fonts::Symbol, 14));
  // A narrower face than the other windows' boxes: four rows share the width of two plots.
  auto* edit = new AnswerEdit(p, QRect(75, 8, 56, 25), 6, QStringLiteral("Edit%1").arg(i + 1));
  edit->setFont(fonts::font(fonts::SansSerif, 14));
  auto* mark = new CheckMark(p, QRect(131, 8, 21, 25), QStringLiteral("SpeedButton%1").arg(i + 1));
  edit->setAccessibleName(QCoreApplication::translate("nontypical", "Предел %1 при %2")
                              .arg(amplitude ? QStringLiteral("A(ω)") : QStringLiteral("φ(ω)"), i % 2 ? "ω→∞" : "ω→0"));
  addAnswer(edit, mark);
}

void LagLinkWindow::FormCreate() {
  for (int i = 0; i < 4; ++i) {
    L[i]->setText(towards(i % 2 == 1));
    L[i]->adjustSize();
  }
  ExperimentWindow::FormCreate();
  Ris1->canvas().load(pictures::get(QString::fromLatin1(row_.picture1)));
  Ris2->canvas().load(pictures::get(QString::fromLatin1(row_.picture2)));

  // The second window studies the first one's link: the first window stays alive behind it.
  // T and k as Lag::draw gives them.
  const auto first = taken(QStringLiteral("lag"), {2, 0.1, 0.9}, [this]() -> std::optional<std::vector<double>> {
    if (!row_.followsFirst) return std::nullopt;
    return work().shared(declaration().firstForm, QStringLiteral("lag"));
  });
  lag_ = first ? Lag{first->at(0), first->at(1)} : Lag::draw();
  if (!row_.followsFirst) work().share(objectName(), QStringLiteral("lag"), {lag_.T, lag_.k});

  const auto answers = limits(row_.pole, lag_);
  for (int i = 0; i < 4; ++i) {
    const QString shown = FloatToStr(answers[i].value);
    expect(i, answers[i].rule, row_.shownChars > 0 ? numtext::cut(shown, row_.shownChars) : shown);
  }

  drawStaticPlot(IAw, AmplitudeAxis, QStringLiteral("A(w)"));
  drawStaticPlot(IFiw, PhaseAxis, QStringLiteral("j(w)"));
  if (row_.followsFirst) {
    // The first link's characteristics, at once, for comparison with this one's.
    const Pole other = lagWindows()[0].pole;
    amplitudeLabel(colors::Red);
    for (int i = 0; i <= kLastColumn; ++i) amplitudeColumn(colors::Red, i);
    phaseLabels(other, colors::Red);
    for (int i = 0; i <= kLastColumn; ++i) phaseColumn(other, colors::Red, i);
  }
}

void LagLinkWindow::FormActivate() {
  ExperimentWindow::FormActivate();
  host().showParameters(QCoreApplication::translate("nontypical", "Параметры звена"),
                        {QStringLiteral("k ="), FloatToStr(lag_.k), QStringLiteral("T ="),
                         FloatToStr(lag_.T) + QCoreApplication::translate("nontypical", " c")});
}

void LagLinkWindow::drawStaticPlot(PlotView* plot, int axisY, const QString& name) {
  Canvas& c = plot->canvas();
  c.loadWall();
  c.setBrush(colors::White);
  c.fillRect(0, 0, PlotSize.width(), PlotSize.height());
  c.setFontColor(colors::Black);
  c.setFont(fonts::SansSerif, 12, true);
  c.textOut(15, axisY, QStringLiteral("0"));
  c.setFont(fonts::Symbol, 12, true);
  c.textOut(5, 0, fonts::greek(name));
  c.textOut(240, axisY - 2, fonts::greek(QStringLiteral("w")));
  c.setFont(fonts::Arial, 10, true);
  c.textOut(255, axisY, QCoreApplication::translate("nontypical", ",рад/c"));
  c.setPen(colors::Black, 1);
  c.line(30, 20, 30, 160);
  c.line(10, axisY, 280, axisY);
}

void LagLinkWindow::amplitudeColumn(const QColor& color, int i) {
  Canvas& c = IAw->canvas();
  c.setPen(color, 2);
  c.line(i + 30, amplitudeY(lag_.T, i), i + 31, amplitudeY(lag_.T, i + 1));
}

void LagLinkWindow::phaseColumn(Pole p, const QColor& color, int i) {
  Canvas& c = IFiw->canvas();
  c.setPen(color, 2);
  c.line(i + 30, phaseY(p, lag_.T, i), i + 31, phaseY(p, lag_.T, i + 1));
}

void LagLinkWindow::amplitudeLabel(const QColor& color) {
  Canvas& c = IAw->canvas();
  c.setFont(fonts::SansSerif, 12, true);
  c.setFontColor(color);
  c.textOut(15, 20, QStringLiteral("k"));
}

void LagLinkWindow::phaseLabels(Pole p, const QColor& color) {
  // The −π/2 guide first, at the height the curve reaches far to the right.
  Canvas& c = IFiw->canvas();
  const int yg = guideY(p, lag_.T);
  c.setFont(fonts::Symbol, 8, true);
  c.setFontColor(colors::Green);
  c.textOut(5, yg, fonts::greek(QStringLiteral("-p/2")));
  c.setPen(colors::Green, 1);
  for (int i = 1; i <= 13; ++i) c.line(20 * i, yg, 20 * i + 10, yg);
  if (p == Pole::Right) {
    c.setFont(fonts::Symbol, 12, true);
    c.setFontColor(color);
    c.textOut(15, 140, fonts::greek(QStringLiteral("-p")));
  }
}

void LagLinkWindow::drawPaced(std::function<void(int column)> column, std::function<void()> then) {
  drawAfterAnswer({[column](int j) {
                     if (j > kLastColumn + 1) return false;
                     column(j - 1);
                     return true;
                   },
                   std::move(then), 1});
}

void LagLinkWindow::answerAccepted(int i) {
  // A long accepted value is read from its start.
  edit(i)->setCursorPosition(0);
  if (i == 1) {
    amplitudeLabel(own_);
    drawPaced([this](int column) { amplitudeColumn(own_, column); }, [this] { openField(2); });
  } else if (i == 3) {
    phaseLabels(row_.pole, own_);
    drawPaced([this](int column) { phaseColumn(row_.pole, own_, column); }, [this] { allAnswered(); });
  } else {
    ExperimentWindow::answerAccepted(i);
  }
}

void LagLinkWindow::allAnswered() {
  ExperimentWindow::allAnswered();
  // The second window ends the work, yet hands the focus to Next like the first.
  if (row_.followsFirst) markWorkDone();
}
