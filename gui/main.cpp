#include <QApplication>

#include "gui/app/QtHooks.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallQtHooks();
  return 0;
}
