#pragma once

#include <QDialog>

class QLineEdit;
struct DialogContext;

// "JPEG Factor": edits the JPEG compression quality 1..100.
class TTheJPegFactor : public QDialog {
    Q_OBJECT
public:
    TTheJPegFactor(int quality, QWidget* parent = nullptr);

    int quality() const { return m_quality; }
    QLineEdit* JPegNum() const { return m_edit; }

    void OkClick();

private:
    QLineEdit* m_edit;
    int m_quality;
};

// Shows the dialog on the context's quality setting and stores the result.
void showJpegFactorDialog(QWidget* parent, const DialogContext& context);
