#include "wordlist/ui/importdialog.h"

#include "base/messageservice.h"
#include "base/paths.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"
#include "widgets/picklist.h"
#include "wordlist/ui/wordtextdialogparts.h"
#include "wordlist/ui/wordtextmodebox.h"
#include "wordlist/wordexchange.h"
#include "wordlist/wordtextfile.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TImport::TImport(Settings& settings, WordEntries& rows, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_rows(rows)
{
    setObjectName(QStringLiteral("Import"));
    setWindowTitle(QStringLiteral("Import"));
    resize(567, 346);

    m_modes = new WordTextModeBox({QStringLiteral("As &Words"), QStringLiteral("As &Clues"),
                                   QStringLiteral("&As Words and Clues")},
                                  this);
    m_list = new PickList(QStringLiteral("ListBox1"), this);
    auto* openFile = makeButton(QStringLiteral("&Open File"), QStringLiteral("OpenFile"), this);
    m_selectAll = makeButton(QStringLiteral("Select &All"), QStringLiteral("SelectAll"), this);
    m_clear = makeButton(QStringLiteral("C&lear"), QStringLiteral("Clear"), this);
    m_ok = makeButton(QStringLiteral("&Ok"), QStringLiteral("Ok"), this);
    auto* cancel = makeButton(QStringLiteral("&Cancel"), QStringLiteral("Button1"), this);
    auto* help = makeButton(QStringLiteral("&Help"), QStringLiteral("HelpButton"), this);
    layOutWordTextDialog(this, m_modes, m_list, {openFile, m_selectAll, m_clear, m_ok, cancel, help});

    connect(m_modes, &WordTextModeBox::modeTicked, this,
            [this](WordTextMode mode) { m_settings.create.importOption = static_cast<int>(mode); });
    connectSeparatorSetting(m_modes, m_settings.create.sepChar);
    connect(openFile, &QPushButton::clicked, this, &TImport::OpenFileClick);
    connect(m_selectAll, &QPushButton::clicked, m_list, &PickList::selectAll);
    connect(m_clear, &QPushButton::clicked, m_list, &PickList::clearSelection);
    connect(m_ok, &QPushButton::clicked, this, &TImport::OkClick);
    // Help, like Cancel, closes the dialog without changes.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &QDialog::reject);

    showSeparatorSetting(m_modes, m_settings.create.sepChar);
    const bool useClues = m_settings.create.useClues;
    m_modes->offerClues(useClues);
    m_modes->tick(wordTextMode(m_settings.create.importOption, useClues));
    for (QPushButton* button : {m_selectAll, m_clear, m_ok})
        button->setEnabled(false);
}

void TImport::OpenFileClick()
{
    const QString path = chooseFileToOpen(this, QStringLiteral("Import Word/Clue List"), QStringLiteral("txt"),
                                          QStringLiteral("text (*.txt)|*.TXT|all files (*.*)|*"),
                                          m_settings.misc.lastImportWordFile, startDirectory());
    if (path.isEmpty())
        return;
    std::optional<QList<QByteArray>> entries;
    if (!runReportingIoErrors([&] { entries = readWordTextFile(path); }))
        return;
    if (!entries) {
        showError(QStringLiteral("Unable to open import file."));
        return;
    }
    sortEntries(*entries);
    m_entries = *entries;
    m_list->setEntries(m_entries);
    for (QPushButton* button : {m_selectAll, m_clear, m_ok})
        button->setEnabled(true);
}

void TImport::OkClick()
{
    const WordTextMode mode = m_modes->mode();
    const std::optional<char> separator = importSeparator(m_modes->separatorBox()->text());
    if (mode == WordTextMode::WordsAndClues && !separator) {
        showError(QStringLiteral("No word/clue seperator character specified."));
        m_modes->separatorBox()->setFocus();
        return;
    }
    QList<QByteArray> selected;
    for (int row : m_list->selectedRows())
        selected.append(m_entries[row]);
    const int excess = wordListExcess(m_rows.GetWordCount(), static_cast<int>(selected.size()));
    if (excess > 0 && !askYesNo(QStringLiteral("Warning"), tooManyWordsQuestion(excess)))
        return;
    importEntries(m_rows, selected, mode, separator.value_or(kDefaultSeparator));
    accept();
}
