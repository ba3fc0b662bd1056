#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QListWidget;

// "Word Suggestions": words the thesaurus knows that are spelled like the
// looked-up one. Ok gives the selected suggestion (nothing when none is
// selected); Cancel gives nothing.
class TThes2Sugs : public QDialog {
    Q_OBJECT
public:
    TThes2Sugs(const QString& word, const QStringList& suggestions, QWidget* parent = nullptr);

    std::optional<QString> chosen() const { return m_chosen; }

    QLabel* WordLabel() const { return m_wordLabel; }
    QListWidget* SugBox() const { return m_suggestions; }

private:
    void OkClick();

    QLabel* m_wordLabel;
    QListWidget* m_suggestions;
    std::optional<QString> m_chosen;
};
