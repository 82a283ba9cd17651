#include "menu_table.h"

#include <QCoreApplication>
#include <QStringList>

const std::vector<SectionButton>& sectionButtons() {
  static const std::vector<SectionButton> t{
      {"Button1", QT_TRANSLATE_NOOP("Main", "Типовые динамические звенья"), "Panel3", ""},
      {"Button2", QT_TRANSLATE_NOOP("Main", "Нетиповые динамические звенья"), "Panel5", ""},
      {"Button3", QT_TRANSLATE_NOOP("Main", "Составные динамические звенья"), "Panel6", ""},
      {"Button4", QT_TRANSLATE_NOOP("Main", "Представление схемы в переменных состояния"), "", "Form9_1"},
      {"Button5", QT_TRANSLATE_NOOP("Main", "Структурные преобразования схем"), "", "Form10_1"},
      {"Button6", QT_TRANSLATE_NOOP("Main", "Устойчивость одноконтурной САУ"), "Panel9", ""},
      {"Button7", QT_TRANSLATE_NOOP("Main", "Астатизм САУ"), "Panel10", ""},
      {"Button8", QT_TRANSLATE_NOOP("Main", "Инвариантность САУ"), "Panel7", ""},
      {"Button9", QT_TRANSLATE_NOOP("Main", "Коррекция САУ"), "Panel8", ""},
  };
  return t;
}

const std::vector<WorkButton>& workButtons() {
  static const std::vector<WorkButton> t{
      {"Panel3", "BIntegrZveno", 16, "Form1_1"},  {"Panel3", "BAperZveno", 120, "Form2_1"},
      {"Panel3", "BKolebZveno", 224, "Form3_1"},  {"Panel5", "B4", 56, "Form4_1"},
      {"Panel5", "B5", 176, "Form5_1"},           {"Panel6", "B6", 24, "Form6_1"},
      {"Panel6", "B7", 112, "Form7_1"},           {"Panel6", "B8", 208, "Form8_1"},
      {"Panel7", "B81", 48, "Form11_1"},          {"Panel7", "b82", 176, "Form12_1"},
      {"Panel8", "b91", 16, "Form13_1"},          {"Panel8", "b92", 112, "Form14_1"},
      {"Panel8", "b93", 216, "Form15_1"},         {"Panel9", "B61", 24, "Form16_1"},
      {"Panel9", "b62", 120, "Form17_1"},         {"Panel9", "b63", 216, "Form18_1"},
      {"Panel10", "b71", 2, "Form19_1"},          {"Panel10", "b72", 80, "Form20_1"},
      {"Panel10", "b73", 160, "Form21_1"},        {"Panel10", "b74", 238, "Form22_1"},
  };
  return t;
}

const QStringList& workPanels() {
  static const QStringList p{"Panel3", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9", "Panel10"};
  return p;
}
