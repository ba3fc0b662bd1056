#include "wordlist/ui/wordtextdialogparts.h"

#include "base/ansi.h"
#include "wordlist/ui/wordtextmodebox.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

void layOutWordTextDialog(QDialog* dialog, WordTextModeBox* modes, QListWidget* list,
                          const QList<QPushButton*>& buttons)
{
    auto* layout = new QHBoxLayout(dialog);
    layout->addWidget(modes);
    layout->addWidget(list, 1);
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch();
    layout->addLayout(column);
}

void showSeparatorSetting(WordTextModeBox* modes, char separator)
{
    modes->separatorBox()->setText(separator != 0 ? QString(ansiCharToUnicode(static_cast<unsigned char>(separator)))
                                                  : QString());
}

void connectSeparatorSetting(WordTextModeBox* modes, char& setting)
{
    QObject::connect(modes->separatorBox(), &QLineEdit::textChanged, modes, [&setting](const QString& text) {
        if (const std::optional<char> separator = importSeparator(text))
            setting = *separator;
    });
}
