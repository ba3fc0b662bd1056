#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

enum class UserDictionaryMode { Adding, Excluding };

// "Dictionary Maintenance": the words of the include (adding mode) or
// exclude (excluding mode) user lexicon, to add to and delete from. Ok
// writes the lexicon anew with the listed words; Cancel writes nothing.
class TMyEditBox : public QDialog {
    Q_OBJECT
public:
    // languageName: shown in the heading; lexiconPath: the user lexicon file.
    TMyEditBox(UserDictionaryMode mode, const QString& languageName, const QString& lexiconPath,
               QWidget* parent = nullptr);

    void AddClick();
    void DeleteClick();
    void OkClick();

    QLabel* HeadLabel() const { return m_head; }
    QListWidget* TheList() const { return m_list; }
    QLineEdit* AddInfo() const { return m_addInfo; }

private:
    QString m_path;
    QLabel* m_head;
    QListWidget* m_list;
    QLineEdit* m_addInfo;
};
