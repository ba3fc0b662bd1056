#pragma once

#include "render/printoptions.h"
#include "report/metafilerecords.h"

#include <QDialog>

class QLabel;
class QPushButton;
struct PrintCopy;

// "Metafile Creation": writes the page of the print copy's last run as a
// Windows metafile or an enhanced metafile when the window is first shown,
// telling the user while it works; "&Ok" closes the window once it is done.
// A file that cannot be written is reported as every input/output error is.
class TDoMeta : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Metafile Creation");
    static inline const QString Working = QStringLiteral("Creating Metafile...  Please Wait.");
    static inline const QString Done = QStringLiteral("Metafile Created");
    static inline const QString NotDone = QStringLiteral("Metafile Not Created");

    // copy must outlive the window.
    TDoMeta(MetafileFormat format, const QString& path, const PrintCopy& copy, const PrintOptions& options,
            QWidget* parent = nullptr);

    QLabel* StatusLabel() const { return m_label; }
    QPushButton* okButton() const { return m_ok; }
    // Whether the file was written.
    bool written() const { return m_written; }

    // The export: the label says so, Ok hides while the file is written.
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MetafileFormat m_format;
    QString m_path;
    const PrintCopy& m_copy;
    PrintOptions m_options;
    QLabel* m_label;
    QPushButton* m_ok;
    bool m_started = false;
    bool m_written = false;
};
