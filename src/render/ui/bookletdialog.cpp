#include "render/ui/bookletdialog.h"

#include "base/ansi.h"
#include "base/messageservice.h"
#include "widgets/filechooser.h"
#include "render/booklet.h"
#include "render/pageexport.h"
#include "report/reportstream.h"
#include "report/ui/fileprinter.h"
#include "storage/collectionbrowser.h"
#include "storage/collectionfile.h"

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

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

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
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PuzzleBox"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumSize(320, 260);
    label->setBuddy(m_list);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);

    QList<CollectionBrowser::Item> items;
    for (const auto& entry : index.entries)
        items.append({index.categories.value(entry.categoryPos) + ": " + entry.title, entry.recordIndex});
    sortListItems(items);
    const QByteArray prefix = selectedCategory + ": ";
    for (const auto& item : items) {
        auto* row = new QListWidgetItem(ansiToUnicode(item.text), m_list);
        row->setData(Qt::UserRole, item.tag);
        row->setSelected(!selectedCategory.isEmpty() && item.text.startsWith(prefix));
    }

    auto* selection = new QHBoxLayout;
    QPushButton* all = button(this, QStringLiteral("SelectAll"), QStringLiteral("&Select All"));
    QPushButton* none = button(this, QStringLiteral("ClearAll"), QStringLiteral("C&lear All"));
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
    m_print = button(this, QStringLiteral("PrintButton"), QStringLiteral("&Print"));
    m_pdf = button(this, QStringLiteral("PdfButton"), QStringLiteral("Save P&DF"));
    QPushButton* cancel = button(this, QStringLiteral("CancelButton"), QStringLiteral("&Cancel"));
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(all, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(none, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TPrintBooklet::enableButtons);
    connect(m_print, &QPushButton::clicked, this, &TPrintBooklet::PrintClick);
    connect(m_pdf, &QPushButton::clicked, this, &TPrintBooklet::SavePdfClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    enableButtons();
}

void TPrintBooklet::enableButtons()
{
    const bool any = !m_list->selectedItems().isEmpty();
    m_print->setEnabled(any);
    m_pdf->setEnabled(any);
}

QList<qint64> TPrintBooklet::chosenPuzzles() const
{
    QList<qint64> chosen;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected())
            chosen << m_list->item(row)->data(Qt::UserRole).toLongLong();
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
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save Booklet As PDF");
    request.defaultExtension = QStringLiteral("PDF");
    request.filter = QStringLiteral("Portable Document Format (*.PDF)|*.PDF");
    request.initialPath = m_lastPdfFile;
    request.overwritePrompt = true;
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    m_lastPdfFile = path;
    BookletResult booklet;
    if (!make(booklet))
        return;
    if (runReportingIoErrors(
            [&] { writeAllPagesPdfFile(path, ReportStream(booklet.stream), QFileInfo(path).completeBaseName()); }))
        accept();
}
