#include "wordlist/ui/intcharsdialog.h"

#include "base/ansi.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "wordlist/intchars.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDoIntChars::TDoIntChars(std::array<QString, 12>& keys, QWidget* parent) : QDialog(parent), m_keys(keys)
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
    for (int k = 1; k <= 12; ++k) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(k));
        box->setMaxVisibleItems(12);
        for (int code = kIntCharFirstCode; code < kIntCharFirstCode + kIntCharCount; ++code)
            box->addItem(QString(ansiCharToUnicode(static_cast<unsigned char>(code))));
        box->setCurrentIndex(intKeyListPosition(m_keys[k - 1]));
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
    for (int k = 1; k <= 12; ++k)
        m_keys[k - 1] = intKeySettingForPosition(m_boxes[k - 1]->currentIndex());
    accept();
}

void showIntCharsDialog(QWidget* parent, const DialogContext& context)
{
    TDoIntChars dialog(context.settings.create.intKeys, parent);
    showDialog(dialog, context);
}
