#pragma once

#include <QDialog>

class QLineEdit;

// "Multi-Copies": asks how many copies of the page to print. copies() is
// meaningful only after the dialog was accepted.
class TNumCopies : public QDialog {
    Q_OBJECT
public:
    explicit TNumCopies(QWidget* parent = nullptr);

    int copies() const { return m_copies; }
    QLineEdit* Copies() const { return m_edit; }

    // Accepts a whole number of at least 1; otherwise says so and keeps the
    // dialog open with the edit focused.
    void OkClick();

private:
    QLineEdit* m_edit;
    int m_copies = 1;
};
