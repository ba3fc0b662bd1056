#include "app/ui/mainwindow.h"

TMainWin::TMainWin(QWidget* parent) : QMainWindow(parent) {}
