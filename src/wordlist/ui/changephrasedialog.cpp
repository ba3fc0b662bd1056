#include "wordlist/ui/changephrasedialog.h"

#include "base/ansi.h"
#include "widgets/dialoghelper.h"
#include "wordlist/hiddenphrase.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TChangeThePhrase::TChangeThePhrase(const PuzzleRecord& puzzle, QWidget* parent)
    : QDialog(parent), m_puzzle(std::make_unique<PuzzleRecord>(puzzle))
{
    setObjectName(QStringLiteral("ChangeThePhrase"));
    setWindowTitle(QStringLiteral("Hidden Puzzle Phrase"));
    resize(411, 103);
    auto* layout = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette silver = panel->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(silver);
    auto* grid = new QGridLayout(panel);
    m_include = new QCheckBox(QStringLiteral("&Include Hidden Phrase"), panel);
    m_include->setObjectName(QStringLiteral("IncludeHidden"));
    grid->addWidget(m_include, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("(No spaces should be used)"), panel), 0, 1);
    m_phrase = new QLineEdit(panel);
    m_phrase->setObjectName(QStringLiteral("HiddenPhrase"));
    m_phrase->setMinimumWidth(320);
    grid->addWidget(m_phrase, 1, 0, 1, 2);
    m_numChars = new QLabel(panel);
    m_numChars->setObjectName(QStringLiteral("NumChars"));
    grid->addWidget(m_numChars, 1, 2);
    layout->addWidget(panel);

    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = okCancelRow(this, &ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TChangeThePhrase::OkButtonClick);

    m_freeCells = countFreeCells(*m_puzzle);
    m_numChars->setText(QStringLiteral("%1 Chars").arg(m_freeCells));
    m_include->setChecked(m_puzzle->IncludeHidden != 0);
    m_phrase->setText(ansiToUnicode(presentFill(*m_puzzle)));
    if (m_freeCells < 256) {
        m_phrase->setMaxLength(std::max(1, m_freeCells));
        m_phrase->setFocus();
    } else {
        m_phrase->setEnabled(false);
        m_include->setChecked(false);
        m_include->setEnabled(false);
        ok->setFocus();
    }
}

TChangeThePhrase::~TChangeThePhrase() = default;

void TChangeThePhrase::OkButtonClick()
{
    if (m_include->isChecked()) {
        if (!fillWithPhrase(*m_puzzle, m_phrase->text(), kPhraseBlankOnChange))
            return;
        m_puzzle->IncludeHidden = 1;
    } else {
        m_puzzle->IncludeHidden = 0;
        fillRandomly(*m_puzzle);
    }
    m_accepted = true;
    accept();
}

void changeHiddenPhrase(QWidget* parent, const DialogContext& context, PuzzleRecord& puzzle)
{
    TChangeThePhrase dialog(puzzle, parent);
    showDialog(dialog, context);
    if (!dialog.accepted())
        return;
    puzzle.IncludeHidden = dialog.puzzle().IncludeHidden;
    puzzle.FillGrid = dialog.puzzle().FillGrid;
}
