#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QRadioButton;

// A dialog that asks for a language by radio buttons (numbered from 1): the
// button of the language last chosen is checked when its language is
// present, the buttons of missing languages are disabled, and clicking a
// button makes its language the last chosen one.
class LanguageChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // captions[i] and present[i] belong to language i + 1.
    LanguageChoiceDialog(const QString& caption, const QStringList& captions, const QList<bool>& present,
                         int lastChosen, QWidget* parent);

    // The checked language, or 0 when no button is checked.
    int language() const;
    // The language last clicked, or the one given when none was clicked.
    int lastChosen() const { return m_lastChosen; }

    QRadioButton* button(int language) const;

private:
    QList<QRadioButton*> m_buttons;
    int m_lastChosen = 0;
};
