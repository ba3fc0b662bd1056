#include "generate/ui/createdpuzzledialog.h"

#include "base/messageservice.h"
#include "generate/candidatedrawing.h"
#include "generate/candidatereview.h"
#include "generate/candidatesave.h"
#include "generate/candidateslots.h"
#include "generate/ui/blowupdialog.h"
#include "generate/ui/candidatepicture.h"
#include "storage/collectionfile.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "wordlist/badwordlist.h"
#include "wordlist/hiddenphrase.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPictureSide = 191;
// The selection frame: two pixels wide, right around the picture.
constexpr int kFrameWidth = 2;

QLabel* namedLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QListWidget* namedList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

TCreatedPuzzle::TCreatedPuzzle(CandidateSlots& candidates, int listWordCount, EditedPuzzle puzzle,
                               const DialogContext& context, QWidget* parent)
    : QDialog(parent), m_slots(candidates), m_listWordCount(listWordCount), m_puzzle(puzzle), m_context(context)
{
    setObjectName(QStringLiteral("CreatedPuzzle"));
    setWindowTitle(QStringLiteral("Created Puzzle"));

    auto* pictures = new QGridLayout;
    pictures->setHorizontalSpacing(17);
    pictures->setVerticalSpacing(4);
    const int side = m_context.scaled(kPictureSide);
    for (int n = 1; n <= CandidateSlots::Count; ++n) {
        auto* label = namedLabel(QStringLiteral("BFLabel%1").arg(n), this);
        label->setText(slotCaption(n));
        label->setAutoFillBackground(true);
        auto* picture = new CandidatePicture(side, this);
        picture->setObjectName(QStringLiteral("PuzzImage%1").arg(n));
        connect(picture, &CandidatePicture::clicked, this, [this, n] { SelectAPuzzle(n); });
        connect(picture, &CandidatePicture::doubleClicked, this, [this, n] { PuzzImageDblClick(n); });
        const int row = (n - 1) / 2 * 2;
        const int col = (n - 1) % 2;
        pictures->addWidget(label, row, col, Qt::AlignLeft | Qt::AlignBottom);
        pictures->addWidget(picture, row + 1, col);
        if (row > 0)
            pictures->setRowMinimumHeight(row, label->sizeHint().height() + 10);
        m_labels[n - 1] = label;
        m_pictures[n - 1] = picture;
    }

    m_includedLabel = namedLabel(QStringLiteral("IncWordsLabel"), this);
    m_included = namedList(QStringLiteral("IncludedWords"), this);
    m_excludedLabel = namedLabel(QStringLiteral("ExcWordsLabel"), this);
    m_excluded = namedList(QStringLiteral("ExcludedWords"), this);
    m_includeHidden = new QCheckBox(QStringLiteral("&Include Hidden Phrase"), this);
    m_includeHidden->setObjectName(QStringLiteral("IncludeHidden"));
    m_hiddenPhrase = new QLineEdit(this);
    m_hiddenPhrase->setObjectName(QStringLiteral("HiddenPhrase"));
    m_numChars = namedLabel(QStringLiteral("NumChars"), this);
    m_save = new QPushButton(QStringLiteral("&Save Puzzle"), this);
    m_save->setObjectName(QStringLiteral("Save"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(m_save, &QPushButton::clicked, this, &TCreatedPuzzle::SaveClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* phraseRow = new QHBoxLayout;
    phraseRow->addWidget(m_hiddenPhrase, 1);
    phraseRow->addWidget(m_numChars);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(cancel);
    auto* panel = new QVBoxLayout;
    panel->addWidget(m_includedLabel);
    panel->addWidget(m_included, 3);
    panel->addWidget(m_excludedLabel);
    panel->addWidget(m_excluded, 2);
    panel->addWidget(m_includeHidden);
    panel->addLayout(phraseRow);
    panel->addLayout(buttons);

    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addLayout(pictures);
    pictureColumn->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(pictureColumn);
    layout->addLayout(panel, 1);

    buildPictures();
    showWords();
    showFreeCells();
    SelectAPuzzle(1);
}

void TCreatedPuzzle::buildPictures()
{
    const QColor background = palette().color(QPalette::Button);
    for (int n = 1; n <= CandidateSlots::Count; ++n) {
        const CandidateSlot& slot = m_slots.slot(n);
        drawCandidateSlot(m_pictures[n - 1]->image(), slot, background);
        m_pictures[n - 1]->update();
        // An empty slot keeps its place in the layout but shows no label.
        QSizePolicy policy = m_labels[n - 1]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        m_labels[n - 1]->setSizePolicy(policy);
        m_labels[n - 1]->setVisible(!slot.isEmpty());
        setLabelSelected(n, false);
    }
}

void TCreatedPuzzle::setLabelSelected(int n, bool selected)
{
    QLabel* label = m_labels[n - 1];
    QPalette labelPalette = label->palette();
    labelPalette.setColor(QPalette::Window, selected ? QColor(Qt::red) : palette().color(QPalette::Button));
    label->setPalette(labelPalette);
}

void TCreatedPuzzle::SelectAPuzzle(int n)
{
    if (n < 1 || n > CandidateSlots::Count || m_slots.slot(n).isEmpty())
        return;
    if (m_selected != 0)
        setLabelSelected(m_selected, false);
    m_selected = n;
    setLabelSelected(n, true);
    showWords();
    showFreeCells();
    update();
}

void TCreatedPuzzle::showWords()
{
    m_included->clear();
    m_excluded->clear();
    CandidateWords words;
    if (m_selected != 0)
        words = candidateWords(m_slots.slot(m_selected), m_listWordCount);
    m_included->addItems(words.included);
    m_excluded->addItems(words.excluded);
    m_includedLabel->setText(includedWordsCaption(static_cast<int>(words.included.size())));
    m_excludedLabel->setText(excludedWordsCaption(static_cast<int>(words.excluded.size())));
}

void TCreatedPuzzle::showFreeCells()
{
    const int count = m_selected != 0 ? countFreeCells(m_slots.slot(m_selected).record) : 0;
    m_numChars->setText(freeCellsCaption(count));
    m_hiddenPhrase->setMaxLength(count);
    const bool phrasePossible = m_selected != 0 && count <= kMaxHiddenPhraseLength;
    m_hiddenPhrase->setEnabled(phrasePossible);
    m_includeHidden->setEnabled(phrasePossible);
    if (!phrasePossible)
        m_includeHidden->setChecked(false);
    m_save->setEnabled(m_selected != 0);
}

void TCreatedPuzzle::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_selected == 0)
        return;
    const QRect picture = m_pictures[m_selected - 1]->geometry();
    QPainter painter(this);
    // The picture covers the inside, so only the two-pixel band stays red.
    painter.fillRect(picture.adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth), Qt::red);
}

void TCreatedPuzzle::PuzzImageDblClick(int n)
{
    if (n < 1 || n > CandidateSlots::Count || m_slots.slot(n).isEmpty())
        return;
    TBlowItUp blowUp(m_slots.slot(n).record, slotCaption(n), m_context, this);
    showDialog(blowUp, m_context);
}

void TCreatedPuzzle::SaveClick()
{
    if (m_selected == 0)
        return;
    runReportingIoErrors([this] {
        const BadWordList badList = BadWordList::loadUpperCased();
        const FillChoice choice{m_includeHidden->isChecked(), m_hiddenPhrase->text()};
        PuzzleRecord& record = m_puzzle.record;
        switch (prepareCandidateSave(record, m_slots.slot(m_selected), m_listWordCount, choice, badList)) {
        case SaveDecision::Write:
            break;
        case SaveDecision::ChangePhrase:
            m_hiddenPhrase->setFocus();
            return;
        case SaveDecision::KeepOpen:
        case SaveDecision::NoCandidate:
            return;
        }
        const qint64 at = writePuzzle(m_context.settings.misc.lastGroup, record, m_puzzle.saveIndex());
        if (at < 0) {
            showError(QStringLiteral("Unable to save puzzle."));
            reject();
            return;
        }
        m_saved = true;
        accept();
    });
}
