#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QComboBox;
struct DialogContext;

// "International Characters": assigns a character 192..255 to each of the
// function keys F1..F12. Ok stores them in the key settings given.
class TDoIntChars : public QDialog {
    Q_OBJECT
public:
    explicit TDoIntChars(std::array<QString, 12>& keys, QWidget* parent = nullptr);

    QComboBox* comboBox(int k) const { return m_boxes[k - 1]; }
    void OkButtonClick();

private:
    std::array<QString, 12>& m_keys;
    std::array<QComboBox*, 12> m_boxes{};
};

void showIntCharsDialog(QWidget* parent, const DialogContext& context);
