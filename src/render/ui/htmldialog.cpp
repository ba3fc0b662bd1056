#include "render/ui/htmldialog.h"

#include "base/messageservice.h"
#include "render/htmlpage.h"
#include "storage/settings.h"
#include "widgets/filechooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char* const kSizeEntries[] = {"8 pt", "10 pt", "12 pt", "14 pt", "18 pt", "24 pt", "36 pt"};

// A memo holds line breaks as a line feed; the settings as carriage return
// and line feed.
QString memoToSetting(const QString& memo)
{
    return QString(memo).replace(u'\n', QStringLiteral("\r\n"));
}

QString settingToMemo(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Keeps a memo within its length, a line break counting two characters.
void limitMemo(QPlainTextEdit* memo, int length)
{
    const QString text = memoToSetting(memo->toPlainText());
    if (text.size() <= length)
        return;
    const QSignalBlocker quiet(memo);
    QString cut = text.left(length);
    if (cut.endsWith(u'\r'))
        cut.chop(1);
    memo->setPlainText(settingToMemo(cut));
    memo->moveCursor(QTextCursor::End);
}

} // namespace

TMyHtml::TMyHtml(HtmlSettings& settings, QString& lastHtmlFile, const QImage& page, int jpegQuality, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_lastFile(lastHtmlFile)
    , m_page(page)
    , m_quality(jpegQuality)
{
    setObjectName(QStringLiteral("MyHtml"));
    setWindowTitle(Caption);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Create A Web Page"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading, 0, Qt::AlignHCenter);

    layout->addWidget(buildBlock(1, QStringLiteral("Head1"), QStringLiteral("First Header Lines")));
    layout->addWidget(buildBlock(2, QStringLiteral("Head2"), QStringLiteral("Second Header Lines")));
    m_upper = addBox(this, QStringLiteral("HorzUpper"), QStringLiteral("Horizontal Line"), &m_settings.horizontalUpper);
    layout->addWidget(m_upper);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(new QLabel(QStringLiteral("Puzzle will go here"), frame), 0, Qt::AlignCenter);
    layout->addWidget(frame);
    m_lower = addBox(this, QStringLiteral("HorzLower"), QStringLiteral("Horizontal Line"), &m_settings.horizontalLower);
    layout->addWidget(m_lower);
    layout->addWidget(buildBlock(3, QStringLiteral("Foot1"), QStringLiteral("First Footer Lines")));
    layout->addWidget(buildBlock(4, QStringLiteral("Foot2"), QStringLiteral("Second Footer Lines")));

    auto* titleRow = new QHBoxLayout;
    auto* titleLabel = new QLabel(QStringLiteral("Web Page Title"), this);
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("WebTitle"));
    m_title->setMaxLength(100);
    titleLabel->setBuddy(m_title);
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(m_title, 1);
    layout->addLayout(titleRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton(QStringLiteral("&Save HTML"), this);
    save->setObjectName(QStringLiteral("SaveButton"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &TMyHtml::SaveButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

HtmlTextBlock& TMyHtml::setting(int block) const
{
    HtmlTextBlock* blocks[] = {&m_settings.firstHeader, &m_settings.secondHeader, &m_settings.firstFooter,
                               &m_settings.secondFooter};
    return *blocks[index(block)];
}

QCheckBox* TMyHtml::addBox(QWidget* parent, const QString& name, const QString& caption, bool* value)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, [value](bool on) { *value = on; });
    return box;
}

QWidget* TMyHtml::buildBlock(int block, const QString& name, const QString& caption)
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    BlockControls& c = m_blocks[index(block)];
    HtmlTextBlock& s = setting(block);
    c.memo = new QPlainTextEdit(panel);
    c.memo->setObjectName(name);
    c.memo->setTabChangesFocus(true);
    c.memo->setMaximumHeight(64);
    connect(c.memo, &QPlainTextEdit::textChanged, this, [memo = c.memo] { limitMemo(memo, BlockLength); });
    auto* label = new QLabel(caption, panel);
    c.bold = addBox(panel, name + QStringLiteral("Bold"), QStringLiteral("Bold"), &s.bold);
    c.italic = addBox(panel, name + QStringLiteral("Italic"), QStringLiteral("Italic"), &s.italic);
    c.center = addBox(panel, name + QStringLiteral("Center"), QStringLiteral("Center"), &s.center);
    c.size = new QComboBox(panel);
    c.size->setObjectName(name + QStringLiteral("Font"));
    for (const char* entry : kSizeEntries)
        c.size->addItem(QString::fromLatin1(entry));
    connect(c.size, &QComboBox::activated, this, [&s](int position) { s.fontSize = position + 1; });
    auto* sizeLabel = new QLabel(QStringLiteral("Font Size"), panel);
    sizeLabel->setBuddy(c.size);
    grid->addWidget(label, 0, 0, 1, 5);
    grid->addWidget(c.memo, 1, 0, 3, 1);
    grid->addWidget(c.bold, 1, 1);
    grid->addWidget(c.italic, 2, 1);
    grid->addWidget(c.center, 3, 1);
    grid->addWidget(sizeLabel, 1, 2);
    grid->addWidget(c.size, 2, 2);
    grid->setColumnStretch(0, 1);
    return panel;
}

void TMyHtml::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMyHtml::FormShow()
{
    m_title->setText(m_settings.webTitle);
    for (int block = 1; block <= 4; ++block) {
        const BlockControls& c = m_blocks[index(block)];
        const HtmlTextBlock s = setting(block);
        c.memo->setPlainText(settingToMemo(s.text));
        c.bold->setChecked(s.bold);
        c.italic->setChecked(s.italic);
        c.center->setChecked(s.center);
        // A size from a damaged settings file shows as the nearest entry.
        c.size->setCurrentIndex(std::clamp(s.fontSize, 1, 7) - 1);
    }
    m_upper->setChecked(m_settings.horizontalUpper);
    m_lower->setChecked(m_settings.horizontalLower);
}

void TMyHtml::SaveButtonClick()
{
    const QString path = chooseFileToSave(this, QStringLiteral("Save HTML Document"), QStringLiteral("htm"),
                                          QStringLiteral("html (*.htm)|*.htm"), m_lastFile);
    if (path.isEmpty())
        return;
    for (int block = 1; block <= 4; ++block)
        setting(block).text = memoToSetting(memo(block)->toPlainText());
    m_settings.webTitle = webTitle(m_title->text());

    bool created = false;
    if (!runReportingIoErrors([&] { created = writeHtmlExport(path, m_settings, m_page, m_quality); }))
        return;
    if (!created) {
        showError(kUnableToCreateHtml);
        return;
    }
    accept();
}
