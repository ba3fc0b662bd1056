#pragma once

#include "pagelayout/ui/objectdialog.h"

class QPlainTextEdit;

// "Text": the text of a text object in a multi-line edit that takes at most
// 1,000 characters and has the focus on opening; the object keeps at most
// 999 of them. Child: TextEdit.
class TTextInput : public ObjectDialog {
    Q_OBJECT
public:
    explicit TTextInput(const LayoutObject& object, QWidget* parent = nullptr);

    QPlainTextEdit* TextEdit() const { return m_edit; }

protected:
    void OkClick() override;

private:
    void limitText();

    QPlainTextEdit* m_edit;
};
