#include "render/ui/bookletdialog.h"

#include "base/ansi.h"
#include "base/messageservice.h"
#include "render/booklet.h"
#include "render/pageexport.h"
#include "report/reportstream.h"
#include "report/ui/fileprinter.h"
#include "storage/collectionbrowser.h"
#include "storage/collectionfile.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"
#include "widgets/picklist.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNothingPrinted = QStringLiteral("None of the chosen puzzles could be printed.");
const QString kPrintFailed = QStringLiteral("The printer could not start the print job.");
const QString kDidNotFit = QStringLiteral("These puzzles did not fit their page layouts:\n%1");

} // namespace

TPrintBooklet::TPrintBooklet(const QString& collection, const CollectionIndex& index,
                             const QByteArray& selectedCategory, const PrintOptions& options, QString& lastPdfFile,
                             QWidget* parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_options(options)
    , m_lastPdfFile(lastPdfFile)
{
    setObjectName(QStringLiteral("PrintBooklet"));
    setWindowTitle(Caption);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Puzzles"), this);
    m_list = new PickList(QStringLiteral("PuzzleBox"), this);
    m_list->setMinimumSize(320, 260);
    label->setBuddy(m_list);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);

    for (const auto& entry : index.entries)
        m_items.append({index.categories.value(entry.categoryPos) + ": " + entry.title, entry.recordIndex});
    sortListItems(m_items);
    QList<QByteArray> texts;
    for (const auto& item : m_items)
        texts.append(item.text);
    m_list->setEntries(texts);
    const QByteArray prefix = selectedCategory + ": ";
    for (int row = 0; row < m_items.size(); ++row)
        m_list->item(row)->setSelected(!selectedCategory.isEmpty() && m_items[row].text.startsWith(prefix));

    auto* selection = new QHBoxLayout;
    QPushButton* all = makeButton(QStringLiteral("&Select All"), QStringLiteral("SelectAll"), this);
    QPushButton* none = makeButton(QStringLiteral("C&lear All"), QStringLiteral("ClearAll"), this);
    selection->addWidget(all);
    selection->addWidget(none);
    selection->addStretch();
    layout->addLayout(selection);
    m_keysAfter = new QCheckBox(QStringLiteral("&Answer keys after the puzzles"), this);
    m_keysAfter->setObjectName(QStringLiteral("AnswerKeysAfter"));
    m_keysAfter->setChecked(true);
    layout->addWidget(m_keysAfter);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_print = makeButton(QStringLiteral("&Print"), QStringLiteral("PrintButton"), this);
    m_pdf = makeButton(QStringLiteral("Save P&DF"), QStringLiteral("PdfButton"), this);
    QPushButton* cancel = makeButton(QStringLiteral("&Cancel"), QStringLiteral("CancelButton"), this);
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    m_list->bindButtons(all, none, {m_print, m_pdf});
    connect(m_print, &QPushButton::clicked, this, &TPrintBooklet::PrintClick);
    connect(m_pdf, &QPushButton::clicked, this, &TPrintBooklet::SavePdfClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QList<qint64> TPrintBooklet::chosenPuzzles() const
{
    QList<qint64> chosen;
    for (int row : m_list->selectedRows())
        chosen << m_items[row].tag;
    return chosen;
}

bool TPrintBooklet::make(BookletResult& result)
{
    QProgressDialog progress(QStringLiteral("Making the booklet..."), QStringLiteral("Cancel"), 0, 1, this);
    progress.setObjectName(QStringLiteral("BookletProgress"));
    progress.setWindowTitle(Caption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    bool made = runReportingIoErrors([&] {
        result = makeBooklet(m_collection, chosenPuzzles(), m_options, m_keysAfter->isChecked(),
                             [&progress](int done, int total) {
                                 progress.setMaximum(std::max(total, 1));
                                 progress.setValue(done);
                                 progress.setLabelText(QStringLiteral("Page %1 of %2").arg(done + 1).arg(total));
                                 QCoreApplication::processEvents();
                                 return !progress.wasCanceled();
                             });
    });
    progress.reset();
    if (!made || result.cancelled)
        return false;
    if (!result.skipped.isEmpty())
        showWarning(result.skipped.join(u'\n'));
    if (!result.overflowed.isEmpty())
        showWarning(kDidNotFit.arg(result.overflowed.join(u'\n')));
    if (result.stream.isEmpty()) {
        showError(kNothingPrinted);
        return false;
    }
    return true;
}

void TPrintBooklet::PrintClick()
{
    BookletResult booklet;
    if (!make(booklet))
        return;
    TFilePrinter printer;
    printer.setStream(booklet.stream);
    printer.setTitle(Caption);
    if (!printer.printAll()) {
        showError(kPrintFailed);
        return;
    }
    accept();
}

void TPrintBooklet::SavePdfClick()
{
    const QString path = chooseFileToSave(this, QStringLiteral("Save Booklet As PDF"), QStringLiteral("PDF"),
                                          QStringLiteral("Portable Document Format (*.PDF)|*.PDF"), m_lastPdfFile);
    if (path.isEmpty())
        return;
    BookletResult booklet;
    if (!make(booklet))
        return;
    if (runReportingIoErrors(
            [&] { writeAllPagesPdfFile(path, ReportStream(booklet.stream), QFileInfo(path).completeBaseName()); }))
        accept();
}
