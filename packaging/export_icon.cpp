// Writes the program's icon, as the main dialog shows it, to PNG files for the desktop:
// export_icon <folder> gives <folder>/kestova-16.png and <folder>/kestova-32.png.
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "app/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: export_icon <folder>\n");
    return 2;
  }
  // Runs during the build, where there may be no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QIcon icon = app::kestovaIcon();
  for (const int size : {16, 32}) {
    const QString path =
        QString("%1/kestova-%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (!icon.pixmap(QSize(size, size)).save(path, "PNG")) {
      std::fprintf(stderr, "export_icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
