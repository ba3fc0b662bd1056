#include "wordlist/ui/wordtextmodebox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr std::array<const char*, 3> kButtonNames = {"AsWords", "AsClues", "AsWordsAndClues"};
constexpr std::array<WordTextMode, 3> kModes = {WordTextMode::Words, WordTextMode::Clues, WordTextMode::WordsAndClues};
} // namespace

WordTextModeBox::WordTextModeBox(const std::array<QString, 3>& captions, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = new QRadioButton(captions[i], this);
        m_buttons[i]->setObjectName(QLatin1String(kButtonNames[i]));
        layout->addWidget(m_buttons[i]);
        const WordTextMode mode = kModes[i];
        connect(m_buttons[i], &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                ticked(mode);
        });
    }
    auto* separatorRow = new QHBoxLayout;
    m_separatorLabel = new QLabel(QStringLiteral("Separator Char"), this);
    m_separatorLabel->setObjectName(QStringLiteral("SepCharLabel"));
    m_separator = new QLineEdit(this);
    m_separator->setObjectName(QStringLiteral("SepChar"));
    m_separator->setMaxLength(1);
    m_separator->setFixedWidth(32);
    separatorRow->addWidget(m_separatorLabel);
    separatorRow->addWidget(m_separator);
    separatorRow->addStretch();
    layout->addLayout(separatorRow);
    layout->addStretch();
    m_separatorLabel->hide();
    m_separator->hide();
}

void WordTextModeBox::offerClues(bool on)
{
    for (QRadioButton* button : {m_buttons[1], m_buttons[2]}) {
        button->setVisible(on);
        button->setEnabled(on);
    }
}

void WordTextModeBox::tick(WordTextMode mode)
{
    QRadioButton* button = m_buttons[static_cast<int>(mode) - 1];
    if (button->isChecked())
        ticked(mode);
    else
        button->setChecked(true);
}

WordTextMode WordTextModeBox::mode() const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked())
            return kModes[i];
    return WordTextMode::Words;
}

void WordTextModeBox::ticked(WordTextMode mode)
{
    const bool separated = mode == WordTextMode::WordsAndClues;
    m_separatorLabel->setVisible(separated);
    m_separator->setVisible(separated);
    emit modeTicked(mode);
}
