// The trainer starts with its main window only; experiment windows open on demand.
#include <QApplication>
#include <QScreen>

#include "app/main_window.h"
#include "framework/canvas.h"
#include "pictures/pixel_ratio.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumeq"));
  fonts::install();
  display::setRatio(app.devicePixelRatio());
  Main main;
  main.helpFile = QStringLiteral("c:\\Program Files\\Lumeq\\Help\\Help.hlp");
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    main.move(screen->availableGeometry().center() - main.rect().center());
  main.show();
  return app.exec();
}
