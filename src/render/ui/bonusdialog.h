#pragma once

#include <QDialog>

class QLineEdit;

// "Bonus Question": edits the bonus question of the puzzle being printed.
class TBonusQuestion : public QDialog {
    Q_OBJECT
public:
    explicit TBonusQuestion(const QString& question, QWidget* parent = nullptr);

    QLineEdit* BonusText() const { return m_edit; }
    QString question() const;

private:
    QLineEdit* m_edit;
};
