// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/diagrams/transform_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "framework/rich_text.h"
#include "pictures/pictures.h"

namespace diagrams {

namespace {

const QColor LitPanel{192, 220, 192};

QFont arial(int px, bool bold = false) { return fonts::font(fonts::Arial, px, bold); }
const QFont& formulaFont() {
  static const QFont f = arial(16, true);
  return f;
}

QLabel* richLabel(QWidget* parent, const QRect& r, const QString& html, const QFont& font,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QString& name = {}) {
  QLabel* l = ui::label(parent, r, QString(), font, colors::Blue, align, false, name);
  l->setTextFormat(Qt::RichText);
  l->setText(html);
  return l;
}

QString blue(const QString& s) { return rich::colored(s, colors::Blue); }
QString teal(const QString& s) { return rich::colored(s, colors::Teal); }
QString purple(const QString& s) { return rich::colored(s, colors::Purple); }

// "c₃p³+c₂p²+c₁p+<last>" with purple coefficients: the polynomials of the two forms.
QString polynomial(const QString& c, const QString& last) {
  return purple(c + rich::sub(QStringLiteral("3"))) + blue(QStringLiteral("p") + rich::sup(QStringLiteral("3")) + "+") +
         purple(c + rich::sub(QStringLiteral("2"))) + blue(QStringLiteral("p") + rich::sup(QStringLiteral("2")) + "+") +
         purple(c + rich::sub(QStringLiteral("1"))) + blue(QStringLiteral("p+")) + last;
}

// A fraction of two rich-text lines over a bar, centred in `r`; returns the two labels.
std::pair<QLabel*, QLabel*> fraction(QWidget* parent, const QRect& r, const QString& num, const QString& den) {
  const int half = r.height() / 2;
  QLabel* n = richLabel(parent, QRect(r.x(), r.y(), r.width(), half - 2), num, formulaFont(), Qt::AlignCenter);
  auto* bar = new QFrame(parent);
  bar->setGeometry(r.x() + 2, r.y() + half - 1, r.width() - 4, 2);
  ui::setBackground(bar, colors::Blue);
  QLabel* d =
      richLabel(parent, QRect(r.x(), r.y() + half + 2, r.width(), half - 2), den, formulaFont(), Qt::AlignCenter);
  return {n, d};
}

// Captions of the answer rows, in field order.
const char* const Form1Rows[Form1Fields][2] = {{"b", "3"}, {"a", "3"}, {"b", "2"}, {"a", "2"},
                                               {"b", "1"}, {"a", "1"}, {"b", "0"}, {"a", "0"}};
const char* const Form2Rows[Form2Fields][2] = {{"K", ""},  {"B", "3"}, {"A", "3"}, {"B", "2"},
                                               {"A", "2"}, {"B", "1"}, {"A", "1"}};

}  // namespace

TransformWindow::TransformWindow(Host& host, const WindowDeclaration& declared)
    : ExperimentWindow(host, declared,
                       QCoreApplication::translate("diagrams", "Структурные преобразования схем. Опыт №1")) {
  hasTrace_ = false;
  noReadout();
  QWidget* c = client();

  auto* top = ui::panel(c, QRect(8, 3, 617, 105), ui::Bevel::Single, QStringLiteral("Panel1"));
  Image1 = new PlotView(top, QRect(3, 3, 611, 99), QSize(611, 99));
  Image1->setObjectName(QStringLiteral("Image1"));

  auto* task = ui::panel(c, QRect(208, 111, 417, 266), ui::Bevel::Single, QStringLiteral("Panel2"));
  buildLinks(task);
  ui::label(
      task, QRect(6, 116, 405, 44),
      QCoreApplication::translate("diagrams", "Определить параметры передаточной функции системы в одной из форм:"),
      arial(16), Qt::black, Qt::AlignLeft | Qt::AlignTop, true, QStringLiteral("Label1"));
  buildForms(task);
  answers1_ = buildAnswers(1);
  answers2_ = buildAnswers(2);
}

void TransformWindow::buildLinks(QFrame* task) {
  const QFont f = formulaFont();
  for (int k = 0; k < 3; ++k) {
    auto* link =
        ui::panel(task, QRect(4 + 137 * k, 4, 133, 54), ui::Bevel::Single, QStringLiteral("PanelW%1").arg(k + 1));
    richLabel(link, QRect(3, 14, 62, 24), blue(QStringLiteral("W") + rich::sub(QString::number(k + 1)) + "(p)="), f);
    const auto [num, den] = fraction(link, QRect(62, 3, 68, 48), QString(), QString());
    numerators_[k] = num;
    denominators_[k] = den;
  }
  auto* given = ui::panel(task, QRect(4, 62, 409, 50), ui::Bevel::Single, QStringLiteral("PanelData"));
  auto row = [&](int col, int line, const QString& letter, const QString& name) {
    const int x = 8 + 136 * col, y = 2 + 23 * line;
    richLabel(given, QRect(x, y, 40, 22), blue(rich::named(letter, QString::number(col + 1))), f);
    return ui::label(given, QRect(x + 42, y, 86, 22), QString(), f, colors::Teal, Qt::AlignLeft | Qt::AlignVCenter,
                     false, name);
  };
  lt1 = row(0, 0, QStringLiteral("T"), QStringLiteral("lt1"));
  lk1 = row(0, 1, QStringLiteral("k"), QStringLiteral("lk1"));
  lt2 = row(1, 0, QStringLiteral("T"), QStringLiteral("lt2"));
  lk2 = row(1, 1, QStringLiteral("k"), QStringLiteral("lk2"));
  lt3 = row(2, 0, QStringLiteral("T"), QStringLiteral("lt3"));
}

void TransformWindow::buildForms(QFrame* task) {
  const QFont f = formulaFont();
  formPanel1_ = ui::panel(task, QRect(4, 170, 200, 68), ui::Bevel::Single, QStringLiteral("PanelForm1"));
  richLabel(formPanel1_, QRect(2, 22, 50, 24), blue(QStringLiteral("W(p)=")), f);
  fraction(formPanel1_, QRect(50, 4, 148, 60),
           polynomial(QStringLiteral("b"), purple(QStringLiteral("b") + rich::sub("0"))),
           polynomial(QStringLiteral("a"), purple(QStringLiteral("a") + rich::sub("0"))));

  formPanel2_ = ui::panel(task, QRect(208, 170, 205, 68), ui::Bevel::Single, QStringLiteral("PanelForm2"));
  richLabel(formPanel2_, QRect(2, 22, 64, 24), blue(QStringLiteral("W(p)=")) + purple(QStringLiteral("K")), f);
  fraction(formPanel2_, QRect(65, 4, 138, 60), polynomial(QStringLiteral("B"), blue(QStringLiteral("1"))),
           polynomial(QStringLiteral("A"), blue(QStringLiteral("1"))));

  RB1 = new QRadioButton(QCoreApplication::translate("diagrams", "Форма 1"), task);
  RB1->setObjectName(QStringLiteral("RB1"));
  RB1->setGeometry(64, 242, 90, 20);
  RB1->setChecked(true);
  RB2 = new QRadioButton(QCoreApplication::translate("diagrams", "Форма 2"), task);
  RB2->setObjectName(QStringLiteral("RB2"));
  RB2->setGeometry(272, 242, 90, 20);
  for (QRadioButton* rb : {RB1, RB2}) rb->setFont(arial(14, true));
  connect(RB1, &QRadioButton::clicked, this, [this] { guarded("RB1Click", [this] { RB1Click(); }); });
  connect(RB2, &QRadioButton::clicked, this, [this] { guarded("RB2Click", [this] { RB2Click(); }); });
}

QFrame* TransformWindow::buildAnswers(int form) {
  // Both panels lie at the same place; the chosen form's one is shown.
  auto* panel =
      ui::panel(client(), QRect(8, 111, 193, 266), ui::Bevel::Single, QStringLiteral("PanelAnswers%1").arg(form));
  const int rows = form == 1 ? Form1Fields : Form2Fields;
  for (int k = 0; k < rows; ++k) {
    const int y = 8 + 32 * k, n = answerCount() + 1;
    const char* const* caption = form == 1 ? Form1Rows[k] : Form2Rows[k];
    QLabel* l = ui::label(panel, QPoint(8, y - 2), QString(), fonts::font(fonts::SansSerif, 21), Qt::black);
    l->setTextFormat(Qt::RichText);
    l->setText(rich::named(QString::fromLatin1(caption[0]), QString::fromLatin1(caption[1])));
    l->adjustSize();
    auto* edit = new AnswerEdit(panel, QRect(56, y, 89, 25), AnswerMaxLength, QStringLiteral("Edit%1").arg(n));
    auto* mark = new CheckMark(panel, QRect(146, y, 35, 25), QStringLiteral("SpeedButton%1").arg(n));
    addAnswer(edit, mark);
  }
  return panel;
}

void TransformWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  edit(Form2First)->setEnabled(true);
  Image1->canvas().load(pictures::get(QStringLiteral("preobraz")));
  Randomize();
  params_ = drawTransformParams();
  truth_ = transformAnswers(params_);
  for (int i = 0; i < Form1Fields; ++i) expect(i, Acceptance::band(truth_.form1[i]), FloatToStr(truth_.form1[i]));
  for (int i = 0; i < Form2Fields; ++i)
    expect(Form2First + i, Acceptance::band(truth_.form2[i]), FloatToStr(truth_.form2[i]));

  const TransformParams& p = params_;
  lk1->setText(FloatToStr(p.k1));
  lk2->setText(FloatToStr(p.k2));
  lt1->setText(FloatToStr(p.T1) + QStringLiteral(" c"));
  lt2->setText(FloatToStr(p.T2) + QStringLiteral(" c"));
  lt3->setText(FloatToStr(p.T3) + QStringLiteral(" c"));
  numerators_[0]->setText(teal(FloatToStr(p.k1)));
  numerators_[1]->setText(teal(FloatToStr(p.k2)));
  numerators_[2]->setText(blue(QStringLiteral("1")));
  denominators_[0]->setText(teal(FloatToStr(p.T1)) + blue(QStringLiteral("p+1")));
  denominators_[1]->setText(teal(FloatToStr(p.T2)) + blue(QStringLiteral("p+1")));
  denominators_[2]->setText(teal(FloatToStr(p.T3)) + blue(QStringLiteral("p")));
}

void TransformWindow::FormActivate() {
  ExperimentWindow::FormActivate();
  showForm(RB2->isChecked() ? 2 : 1);
}

// Nothing to trace: the timer the framework starts finds nothing to do.
void TransformWindow::Timer1Timer() { Timer1->stop(); }

void TransformWindow::regenerate() {
  newData();
  FormActivate();
}

void TransformWindow::RB1Click() { showForm(1); }
void TransformWindow::RB2Click() { showForm(2); }

void TransformWindow::showForm(int form) {
  const QColor face = QApplication::palette().color(QPalette::Button);
  formPanel1_->setEnabled(form == 1);
  formPanel2_->setEnabled(form == 2);
  ui::setBackground(formPanel1_, form == 1 ? LitPanel : face);
  ui::setBackground(formPanel2_, form == 2 ? LitPanel : face);
  answers1_->setVisible(form == 1);
  answers2_->setVisible(form == 2);
  focusOpenField();
}

void TransformWindow::focusOpenField() {
  const bool second = RB2->isChecked();
  const int from = second ? Form2First : 0, to = second ? answerCount() : Form2First;
  for (int i = from; i < to; ++i)
    if (edit(i)->isEnabled() && !edit(i)->isReadOnly()) {
      edit(i)->setFocus();
      return;
    }
}

void TransformWindow::answerAccepted(int i) {
  // The value is shown in full and may be longer than the box: show its leading digits.
  edit(i)->setCursorPosition(0);
  if (i == Form2First - 1 || i == answerCount() - 1)
    allAnswered();
  else
    openField(i + 1);
}

void TransformWindow::allAnswered() {
  // The work is done: the other chain's open field closes, so that no later answer there
  // can count an error and regenerate a finished work.
  for (int i = 0; i < answerCount(); ++i)
    if (!edit(i)->isReadOnly()) edit(i)->setEnabled(false);
  ExperimentWindow::allAnswered();
}

}  // namespace diagrams
