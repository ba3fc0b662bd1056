#pragma once

#include <QDialog>
#include <QImage>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
struct HtmlSettings;
struct HtmlTextBlock;

// "HTML Creation": the web page settings (two header and two footer blocks
// with their style and size, the rules around the picture, the page title)
// and "&Save HTML", which writes the page and the JPEG picture of the
// previewed page beside it. Check boxes and size lists change the settings
// at once, also when the window is then cancelled; the texts are taken when
// the page is saved.
class TMyHtml : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("HTML Creation");
    static constexpr int BlockLength = 1000; // characters of a block, a line break counting two

    // settings and lastHtmlFile are the program's and are changed in place;
    // page is the picture to write at jpegQuality.
    TMyHtml(HtmlSettings& settings, QString& lastHtmlFile, const QImage& page, int jpegQuality,
            QWidget* parent = nullptr);

    // The memo, check boxes and size list of block 1..4 (first header,
    // second header, first footer, second footer).
    QPlainTextEdit* memo(int block) const { return m_blocks[index(block)].memo; }
    QCheckBox* boldBox(int block) const { return m_blocks[index(block)].bold; }
    QCheckBox* italicBox(int block) const { return m_blocks[index(block)].italic; }
    QCheckBox* centerBox(int block) const { return m_blocks[index(block)].center; }
    QComboBox* sizeList(int block) const { return m_blocks[index(block)].size; }
    QCheckBox* HorzUpper() const { return m_upper; }
    QCheckBox* HorzLower() const { return m_lower; }
    QLineEdit* WebTitle() const { return m_title; }

    // Puts the settings into the controls.
    void FormShow();
    // Save dialog, then the page and its picture; closes the window when
    // both are written.
    void SaveButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct BlockControls {
        QPlainTextEdit* memo = nullptr;
        QCheckBox* bold = nullptr;
        QCheckBox* italic = nullptr;
        QCheckBox* center = nullptr;
        QComboBox* size = nullptr;
    };
    static int index(int block) { return block < 1 ? 0 : block > 4 ? 3 : block - 1; }
    HtmlTextBlock& setting(int block) const;
    QWidget* buildBlock(int block, const QString& name, const QString& caption);
    QCheckBox* addBox(QWidget* parent, const QString& name, const QString& caption, bool* setting);

    HtmlSettings& m_settings;
    QString& m_lastFile;
    QImage m_page;
    int m_quality;
    std::array<BlockControls, 4> m_blocks;
    QCheckBox* m_upper = nullptr;
    QCheckBox* m_lower = nullptr;
    QLineEdit* m_title = nullptr;
    bool m_shown = false;
};
