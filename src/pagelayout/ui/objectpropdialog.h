#pragma once

#include "pagelayout/ui/objectdialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

// "Properties for <name>" of a title, word or clue list, bonus question or
// text object: transparent background, auto-shrinking font and, for a word
// list only, the number of columns (1..9). Children: Transparent, MakeFit,
// NumColumns, NumColumnsLabel.
class TObjectProp : public ObjectDialog {
    Q_OBJECT
public:
    explicit TObjectProp(const LayoutObject& object, QWidget* parent = nullptr);

protected:
    void OkClick() override;

private:
    bool isWordList() const;

    QCheckBox* m_transparent;
    QCheckBox* m_makeFit;
    QLabel* m_columnsLabel;
    QLineEdit* m_columns;
};
