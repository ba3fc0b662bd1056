#pragma once

#include "storage/pagelayoutrecord.h"

#include <QDialog>

class QLayout;
class QLineEdit;

// The common frame of the small dialogs that edit one layout object: each
// works on its own copy of the object, has "&Ok" (default, validates and
// accepts) and "&Cancel" (Escape), and leaves the caller's object alone
// until it is accepted; the caller then takes object().
class ObjectDialog : public QDialog {
    Q_OBJECT
public:
    const LayoutObject& object() const { return m_object; }

protected:
    ObjectDialog(const LayoutObject& object, const QString& name, const QString& title, QWidget* parent);

    // Puts `content` above the Ok/Cancel row; Ok runs OkClick.
    void setContent(QLayout* content);
    // Validates the edits into the copy and accepts, or refuses.
    virtual void OkClick() = 0;
    // Shows the message (caption "Error") and puts the focus into the edit.
    void refuse(QLineEdit* edit, const QString& message);
    // A one-line edit of at most maxLength characters.
    QLineEdit* addEdit(const QString& name, int maxLength, const QString& text);

    LayoutObject m_object;
};
