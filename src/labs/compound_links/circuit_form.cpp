// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "framework/canvas.h"
#include "framework/messages.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "pictures/pictures.h"
#include "task_text.h"
#include "texts.h"

namespace compound {

namespace {
QString rightText() { return QCoreApplication::translate("compound", "Верно!"); }
QString wrongText() { return QCoreApplication::translate("compound", "Не верно!\n\rПодумайте!"); }
constexpr QRect QuestionRect{208, 104, 417, 113};
constexpr QRect AnswerRect{208, 224, 417, 153};
}  // namespace

CircuitForm::CircuitForm(Host& host, const WindowDeclaration& declared)
    : TypicalForm(host, declared, texts::piCaption(4), {.title = texts::piTitle(), .picture = QStringLiteral("pi1")}) {
  hasTrace_ = false;
  fitTitle(titleLabel);
  noReadout();
  Image3->hide();
  Image4->hide();
  plotPanel->hide();

  const auto flow = writeTask(taskPanel, 32, 186,
                              {words(QCoreApplication::translate("compound", "Исходные данные:")), br(),
                               words(QStringLiteral("T"), colors::Teal), sub(QStringLiteral("1"), colors::Teal),
                               words(QStringLiteral(" = "), colors::Teal), value(QStringLiteral("LT1")), br(),
                               words(QStringLiteral("T"), colors::Teal), sub(QStringLiteral("2"), colors::Teal),
                               words(QStringLiteral(" = "), colors::Teal), value(QStringLiteral("Lt2"))});
  LT1 = flow.values.value(QStringLiteral("LT1"));
  Lt2 = flow.values.value(QStringLiteral("Lt2"));
  auto* scheme = new PlotView(taskPanel, QRect(8, 150, 177, 100), QSize(177, 100));
  scheme->setObjectName(QStringLiteral("Image5"));
  scheme->canvas().load(pictures::get(QStringLiteral("pi3")));

  const QColor blue = colors::Blue, purple = colors::Purple;
  questionPanel = ui::panel(client(), QuestionRect, ui::Bevel::Single, QStringLiteral("Panel5"));
  writeTask(questionPanel, 4, 410,
            {words(QCoreApplication::translate("compound", "Укажите, из каких элементов "), blue),
             words(QCoreApplication::translate("compound", "(R, L, С)"), purple), br(),
             words(QCoreApplication::translate("compound", "состоят сопротивления "), blue),
             words(QStringLiteral("Z"), purple), sub(QStringLiteral("1"), purple),
             //: " and ", between the impedances Z_1 and Z_2.
             words(QCoreApplication::translate("compound", " и "), blue), words(QStringLiteral("Z"), purple),
             sub(QStringLiteral("2"), purple), br(),
             words(QCoreApplication::translate("compound", "с помощью которых реализуется"), blue), br(),
             words(QCoreApplication::translate("compound", "передаточная функция \"ПИ\" звена"), blue)},
            21, 26);

  resistancePanel = ui::panel(client(), QuestionRect, ui::Bevel::Single, QStringLiteral("Panel6"));
  // C₂ = 10⁻⁶ Ф: the exponent is a small label raised after the 10.
  const QPoint ten = writeTask(resistancePanel, 6, 410,
                               //: "With C": the capacitance C_2 = 10^-6 F follows (a Cyrillic С in the source).
                               {words(QCoreApplication::translate("compound", "При С")), sub(QStringLiteral("2")),
                                words(QStringLiteral(" = 10"))},
                               21)
                         .end;
  ui::label(resistancePanel, QPoint(ten.x(), 2), QStringLiteral("-6"), fonts::font(fonts::Arial, 14));
  ui::label(resistancePanel, QPoint(ten.x() + 18, 6), QCoreApplication::translate("compound", " Ф  определите:"),
            fonts::font(fonts::Arial, 21));
  for (int i = 0; i < 2; ++i) {
    const AnswerWidgets w =
        answerRow(resistancePanel, i + 1, 40 + 36 * i, {QStringLiteral("R"), QString::number(i + 1), 7});
    wholeNumberField(addAnswer(w.edit, w.mark));
  }

  QFrame* answerPanel = ui::panel(client(), AnswerRect, ui::Bevel::Single, QStringLiteral("Panel7"));
  const char* names[6] = {"R1  ", "L1", "C1", "R2", "L2", "C2"};
  GroupBox1 = new QGroupBox(QStringLiteral("Z1"), answerPanel);
  GroupBox1->setGeometry(8, 4, 80, 100);
  GroupBox2 = new QGroupBox(QStringLiteral("Z2"), answerPanel);
  GroupBox2->setGeometry(96, 4, 80, 100);
  for (int i = 0; i < 6; ++i) {
    CB[i] = new QCheckBox(QString::fromLatin1(names[i]), i < 3 ? GroupBox1 : GroupBox2);
    CB[i]->setObjectName(QStringLiteral("CB%1").arg(i + 1));
    CB[i]->setGeometry(10, 22 + 25 * (i % 3), 64, 20);
    connect(CB[i], &QCheckBox::clicked, this, [this] { guarded("CBClick", [this] { drawCircuit(); }); });
  }
  Button1 = new QPushButton(QCoreApplication::translate("compound", "Ответить"), answerPanel);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(40, 114, 100, 28);
  connect(Button1, &QPushButton::clicked, this, [this] { guarded("Button1Click", [this] { Button1Click(); }); });
  circuit = new PlotView(answerPanel, QRect(186, 12, 225, 129), QSize(225, 129));
  circuit->setObjectName(QStringLiteral("Image6"));
}

void CircuitForm::FormCreate() {
  TypicalForm::FormCreate();
  Randomize();
  data_ = pi::Circuit::draw();
  const auto a = data_.answers();
  for (int i = 0; i < 2; ++i) expect(i, a[i].rule, a[i].shown);
  edit(0)->setEnabled(false);
  LT1->setText(QStringLiteral(" ") + FloatToStr(data_.T1()) + QCoreApplication::translate("compound", " c"));
  Lt2->setText(QStringLiteral(" ") + FloatToStr(data_.T2()) + QCoreApplication::translate("compound", " c"));
  LT1->adjustSize();
  Lt2->adjustSize();
  for (QCheckBox* b : CB) b->setChecked(false);
  GroupBox1->setEnabled(true);
  GroupBox2->setEnabled(true);
  Button1->setEnabled(true);
  questionPanel->show();
  resistancePanel->hide();
  circuit->canvas().loadWall();
}

void CircuitForm::regenerate() {
  newData();
  FormActivate();
}

void CircuitForm::Button1Click() {
  std::array<bool, 6> ticked{};
  for (int i = 0; i < 6; ++i) ticked[i] = CB[i]->isChecked();
  if (!pi::Circuit::rightElements(ticked)) {
    host().report(objectName(), Host::AnswerEvent::Wrong);
    host().messages().info(wrongText());
    return;
  }
  host().report(objectName(), Host::AnswerEvent::Accepted);
  host().messages().info(rightText());
  questionPanel->hide();
  resistancePanel->show();
  GroupBox1->setEnabled(false);
  GroupBox2->setEnabled(false);
  Button1->setEnabled(false);
  openField(0);
}

// The circuit as the boxes say, each element drawn in its place or a plain wire instead.
void CircuitForm::drawCircuit() {
  Canvas& c = circuit->canvas();
  c.setBrush(colors::White);
  c.fillRect(0, 0, 210, 110);
  c.setPen(colors::Black, 1);
  c.setFont(fonts::SansSerif, 8);
  c.setFontColor(colors::Black);
  // The amplifier, its output and the junction at its inverting input.
  c.line(140, 55, 140, 85);
  c.line(140, 85, 160, 70);
  c.line(160, 70, 140, 55);
  c.line(160, 70, 200, 70);
  c.line(95, 70, 140, 70);
  c.line(95, 30, 95, 70);
  c.line(190, 30, 190, 70);

  const auto resistor = [&c](int x, int y, const QString& name, int textX, int textY) {
    c.line(x, y, x + 5, y);
    c.rectangle(x + 5, y - 5, x + 35, y + 5);
    c.line(x + 35, y, x + 40, y);
    c.textOut(textX, textY, name);
  };
  const auto coil = [&c](int x, int y, const QString& name, int textX, int textY) {
    for (int k = 0; k < 3; ++k) c.ellipse(x + 10 * k, y - 5, x + 10 * k + 10, y + 5);
    c.fillRect(x, y, x + 30, y + 10);
    c.line(x + 30, y, x + 35, y);
    c.textOut(textX, textY, name);
  };
  const auto capacitor = [&c](int x, int y, int to, const QString& name, int textX, int textY) {
    c.line(x, y - 10, x, y + 10);
    c.line(x + 5, y - 10, x + 5, y + 10);
    c.line(x + 5, y, to, y);
    c.textOut(textX, textY, name);
  };
  // Input branch on y = 70.
  if (CB[0]->isChecked())
    resistor(5, 70, QStringLiteral("R1"), 15, 50);
  else
    c.line(5, 70, 45, 70);
  if (CB[1]->isChecked())
    coil(45, 70, QStringLiteral("L1"), 55, 50);
  else
    c.line(45, 70, 80, 70);
  if (CB[2]->isChecked())
    capacitor(80, 70, 100, QStringLiteral("C1"), 76, 45);
  else
    c.line(80, 70, 100, 70);
  // Feedback branch on y = 30.
  if (CB[3]->isChecked())
    resistor(95, 30, QStringLiteral("R2"), 105, 10);
  else
    c.line(95, 30, 135, 30);
  if (CB[4]->isChecked())
    coil(135, 30, QStringLiteral("L2"), 145, 10);
  else
    c.line(135, 30, 170, 30);
  if (CB[5]->isChecked())
    capacitor(170, 30, 190, QStringLiteral("C2"), 166, 5);
  else
    c.line(170, 30, 190, 30);
}

}  // namespace compound
