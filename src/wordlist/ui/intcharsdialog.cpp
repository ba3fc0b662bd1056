#include "wordlist/ui/intcharsdialog.h"

#include "app/ansi.h"
#include "app/globals.h"
#include "app/ui/dialoghelper.h"
#include "wordlist/intchars.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDoIntChars::TDoIntChars(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DoIntChars"));
    setWindowTitle(QStringLiteral("International Characters"));
    resize(226, 316);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* frameLayout = new QVBoxLayout(frame);
    auto* note = new QLabel(QStringLiteral("The function keys F1 through F12 can be assigned any number of international "
                                           "characters.  The function keys will play back the assigned international "
                                           "key in the Puzzle Creation Window."),
                            frame);
    note->setWordWrap(true);
    frameLayout->addWidget(note);
    layout->addWidget(frame);

    auto* grid = new QGridLayout;
    const auto& keys = globals().settings.create.intKeys;
    for (int k = 1; k <= 12; ++k) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(k));
        box->setMaxVisibleItems(12);
        for (int code = kIntCharFirstCode; code < kIntCharFirstCode + kIntCharCount; ++code)
            box->addItem(QString(ansiCharToUnicode(static_cast<unsigned char>(code))));
        box->setCurrentIndex(intKeyListPosition(keys[k - 1]));
        m_boxes[k - 1] = box;
        const int row = (k - 1) % 6;
        const int column = k <= 6 ? 0 : 2;
        grid->addWidget(new QLabel(QStringLiteral("F%1").arg(k), this), row, column);
        grid->addWidget(box, row, column + 1);
    }
    layout->addLayout(grid);

    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = okCancelRow(this, &ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TDoIntChars::OkButtonClick);
}

void TDoIntChars::OkButtonClick()
{
    auto& keys = globals().settings.create.intKeys;
    for (int k = 1; k <= 12; ++k)
        keys[k - 1] = intKeySettingForPosition(m_boxes[k - 1]->currentIndex());
    accept();
}

void showIntCharsDialog(QWidget* parent)
{
    TDoIntChars dialog(parent);
    showDialog(dialog);
}
