// Local helper: saves screenshots of windows (not committed).
#include <QMdiArea>
#include "links_fixture.h"

class Shots : public Links {
 protected:
  void shot(const QString& name) {
    main->resize(1024, 700);
    main->show();
    QCoreApplication::processEvents();
    main->grab().save("/tmp/typ-" + name + ".png");
  }
};

TEST_F(Shots, DISABLED_Form2_1) {
  auto* w = openAperiodicStep(50, 150);
  shot("2_1-end");
  enter(w->Edit6, "1.43");
  w->TrackBar2->setValue(150);
  shot("2_1-lines");
  w->CB1->click();
  drag(w->plot(), 90, 100);
  shot("2_1-tangent");
}

TEST_F(Shots, DISABLED_Form2_2_3) {
  script({60, 150});
  start("Form2_2");
  shot("2_2");
  script({300, 1200, 170});
  start("Form2_3");
  shot("2_3");
}

TEST_F(Shots, DISABLED_Form2_4) {
  main->RepeatCount = 1;
  script({120, 170});
  auto* f = dynamic_cast<FrequencyForm*>(start("Form2_4"));
  shot("2_4-1");
  for (int r = 1; r <= 3; ++r) {
    type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
    type(f, 1, FloatToStr(f->link().phase(f->omega())));
    settle();
  }
  shot("2_4-4");
  for (int r = 4; r <= 5; ++r) {
    type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
    type(f, 1, FloatToStr(f->link().phase(f->omega())));
    settle();
  }
  shot("2_4-6");
}

TEST_F(Shots, DISABLED_Form3) {
  script({50, 100, 15});
  auto* w = dynamic_cast<MeasuringForm*>(start("Form3_1"));
  shot("3_1-end");
  enter(w->Edit6, "0.95");
  enter(w->Edit7, "1.05");
  shot("3_1-lines");
  script({40, 170, 30});
  start("Form3_2");
  shot("3_2");
  script({300, 1200, 170, 20});
  start("Form3_3");
  shot("3_3");
  main->RepeatCount = 1;
  script({120, 120, 40});
  auto* f = dynamic_cast<FrequencyForm*>(start("Form3_4"));
  for (int r = 1; r <= 3; ++r) {
    type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
    type(f, 1, FloatToStr(f->link().phase(f->omega())));
    settle();
  }
  shot("3_4-4");
  for (int r = 4; r <= 5; ++r) {
    type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
    type(f, 1, FloatToStr(f->link().phase(f->omega())));
    settle();
  }
  shot("3_4-6");
}
