#pragma once

#include "generate/generatepuzzles.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

class QPushButton;

// "Building Puzzles": runs a generation of several attempts when it is first
// activated, shows the attempt number, and lets the user abort between
// attempts. The button reads "&Abort" while building and "&Ok" afterwards.
class TCreationAttempts : public QDialog, private GenerationObserver {
    Q_OBJECT
public:
    TCreationAttempts(GenerationContext& context, const DialogContext& dialogContext, QWidget* parent = nullptr);

    const QString& progressLine1() const { return m_lines[0]; }
    const QString& progressLine2() const { return m_lines[1]; }
    bool isBuilding() const;
    const GenerationResult& generationResult() const { return m_result; }

    void CancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

private:
    void FormActivate();

    // GenerationObserver: called by the run between attempts.
    void attemptStarted(int attempt) override;
    void processEvents() override;
    bool abortRequested() override { return m_abort; }
    void progressLine(int line, const QString& text) override;
    void completed() override;

    GenerationContext& m_context;
    DialogContext m_dialogContext;
    GenerationResult m_result;
    QPushButton* m_button;
    QString m_lines[2];
    bool m_abort = false;
    bool m_started = false;
};
