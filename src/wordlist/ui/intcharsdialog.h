#pragma once

#include <QDialog>

#include <array>

class QComboBox;

// "International Characters": assigns a character 192..255 to each of the
// function keys F1..F12.
class TDoIntChars : public QDialog {
    Q_OBJECT
public:
    explicit TDoIntChars(QWidget* parent = nullptr);

    QComboBox* comboBox(int k) const { return m_boxes[k - 1]; }
    void OkButtonClick();

private:
    std::array<QComboBox*, 12> m_boxes{};
};

void showIntCharsDialog(QWidget* parent);
