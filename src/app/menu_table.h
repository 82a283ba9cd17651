#pragma once
// The start screen's section buttons and the work buttons of each panel.
#include <QString>
#include <vector>

struct SectionButton {
  QString name;     // Button1 ... Button9
  const char* caption;  // Russian source, marked for translation in the "Main" context
  QString panel;    // work panel shown, empty for the single-window sections
  QString form;     // window opened directly when there is no panel
};

struct WorkButton {
  QString panel;
  QString name;     // also the name of its picture
  int top;
  QString form;     // first window of the work
};

const std::vector<SectionButton>& sectionButtons();
const std::vector<WorkButton>& workButtons();
// Panel names in the order the main window creates them.
const QStringList& workPanels();
