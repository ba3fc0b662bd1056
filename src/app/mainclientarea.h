#pragma once

#include <QPixmap>
#include <QWidget>

// The main window's client area: silver, optionally tiled with the built-in
// 96 x 96 background picture from the top left corner.
class MainClientArea : public QWidget {
    Q_OBJECT
public:
    explicit MainClientArea(QWidget* parent = nullptr);

    void setTiled(bool tiled);
    bool isTiled() const { return m_tiled; }

    // The built-in background picture: faint letters on silver, 96 x 96
    // pixels at every screen size.
    static QPixmap backgroundTile();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_tiled = true;
    QPixmap m_tile;
};
