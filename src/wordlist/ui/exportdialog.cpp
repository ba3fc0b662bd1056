#include "wordlist/ui/exportdialog.h"

#include "base/messageservice.h"
#include "base/paths.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"
#include "widgets/picklist.h"
#include "wordlist/ui/wordtextdialogparts.h"
#include "wordlist/ui/wordtextmodebox.h"
#include "wordlist/wordtextfile.h"

#include <QLineEdit>
#include <QPushButton>

TMyExport::TMyExport(Settings& settings, const WordEntries& rows, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_rows(rows)
{
    setObjectName(QStringLiteral("MyExport"));
    setWindowTitle(QStringLiteral("Export"));
    resize(558, 335);

    m_modes = new WordTextModeBox({QStringLiteral("&Words"), QStringLiteral("&Clues"),
                                   QStringLiteral("Words &And Clues")},
                                  this);
    m_list = new PickList(QStringLiteral("ListBox1"), this);
    auto* selectAll = makeButton(QStringLiteral("&Select All"), QStringLiteral("SelectAll"), this);
    auto* clear = makeButton(QStringLiteral("C&lear"), QStringLiteral("Clear"), this);
    auto* selectUsed = makeButton(QStringLiteral("Select &Used"), QStringLiteral("SelectUsed"), this);
    m_saveFile = makeButton(QStringLiteral("Save &File"), QStringLiteral("SaveFile"), this);
    auto* exitButton = makeButton(QStringLiteral("&Exit"), QStringLiteral("ExitButton"), this);
    layOutWordTextDialog(this, m_modes, m_list, {selectAll, clear, selectUsed, m_saveFile, exitButton});

    connect(m_modes, &WordTextModeBox::modeTicked, this, [this](WordTextMode mode) {
        m_settings.create.exportOption = static_cast<int>(mode);
        rebuildList();
    });
    connectSeparatorSetting(m_modes, m_settings.create.sepChar);
    connect(m_modes->separatorBox(), &QLineEdit::textChanged, this, [this] {
        if (m_modes->mode() == WordTextMode::WordsAndClues)
            rebuildList();
    });
    m_list->bindButtons(selectAll, clear, {m_saveFile});
    connect(selectUsed, &QPushButton::clicked, this, &TMyExport::SelectUsedClick);
    connect(m_saveFile, &QPushButton::clicked, this, &TMyExport::SaveFileClick);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    const bool useClues = m_settings.create.useClues;
    if (useClues)
        showSeparatorSetting(m_modes, m_settings.create.sepChar);
    m_modes->offerClues(useClues);
    m_modes->tick(wordTextMode(m_settings.create.exportOption, useClues));
    m_saveFile->setEnabled(false);
}

void TMyExport::rebuildList()
{
    m_items = exportItems(m_rows, m_modes->mode(), exportSeparator(m_modes->separatorBox()->text()));
    QList<QByteArray> texts;
    for (const ExportItem& item : m_items)
        texts.append(item.text);
    m_list->setEntries(texts);
    m_saveFile->setEnabled(false);
}

void TMyExport::SelectUsedClick()
{
    const QSignalBlocker blocker(m_list);
    m_list->clearSelection();
    bool any = false;
    for (int row = 0; row < m_items.size(); ++row) {
        if (m_items[row].used) {
            m_list->item(row)->setSelected(true);
            any = true;
        }
    }
    m_saveFile->setEnabled(any);
}

void TMyExport::SaveFileClick()
{
    const QList<int> rows = m_list->selectedRows();
    if (rows.isEmpty()) {
        showError(QStringLiteral("No words/clues selected for output.  Please select the desired words/clues."));
        return;
    }
    const QString path = chooseFileToSave(this, QStringLiteral("Save Word/Clue List"), QStringLiteral("txt"),
                                          QStringLiteral("text (*.txt)|*.TXT"), m_settings.misc.lastExportWordFile,
                                          startDirectory());
    if (path.isEmpty())
        return;
    QList<QByteArray> lines;
    for (int row : rows)
        lines.append(m_items[row].text);
    bool written = false;
    if (!runReportingIoErrors([&] { written = writeWordTextFile(path, lines); }))
        return;
    if (!written) {
        showError(QStringLiteral("Unable to create export file."));
        return;
    }
    accept();
}
