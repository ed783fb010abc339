// Velmora: inserts a new point P outside the known triangle A, B, C by two-group condition
// adjustment of eight observed angles. No arguments, no files: the window is the whole program.
#include <QApplication>

#include "fonts.h"
#include "form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  velmora::ui::InstallFontSubstitutes();
  velmora::ui::Form1 window;
  window.show();
  return QApplication::exec();
}
