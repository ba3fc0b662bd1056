#pragma once

#include <QMainWindow>

class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainWin(QWidget* parent = nullptr);
};
