#pragma once

#include <QDialog>

#include <memory>

class PageRenderer;
class QIODevice;
class QLabel;
class QPushButton;
class TBaseReport;
class TReportFiler;
class TReportPrinter;

// "Report Status Screen": the small window in which one page is rendered.
// It shows the report's progress text and has one button, which cancels the
// run while it lasts and closes the window afterwards. The run starts when
// the window is first shown; show it through showDialog, which gives it the
// user fonts and screen scale and centres it.
class TReportForm : public QDialog {
    Q_OBJECT
public:
    // Print destinations.
    enum { ToPrinter = 1, ToPreview = 2, ToFile = 3 };

    explicit TReportForm(QWidget* parent = nullptr);
    ~TReportForm() override;

    // The two report components: straight to the printer, or recorded into
    // a stream. The printer component is made when first asked for.
    TReportPrinter& MyReportPrinter();
    TReportFiler& MyReportFiler();

    // Chooses the component for destination (the printer for 1, else the
    // filer recording into stream, which is not owned) and gives it the
    // renderer's handlers and the layout's orientation. renderer must
    // outlive the run.
    void prepare(int destination, PageRenderer& renderer, QIODevice* stream = nullptr);

    // Whether the run was cancelled (readable after the window closed).
    bool aborted() const { return m_aborted; }
    // True while the page is being rendered.
    bool running() const { return m_running; }

    QLabel* StatusLabel() const { return m_label; }
    QPushButton* Button() const { return m_button; }

    // Runs the page once (see runPage): status, final state, overflow
    // warnings; an input/output error of the run is reported afterwards.
    void FormActivate();
    // Cancels the run while it lasts, else closes the window.
    void ButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape and the close box act like the button.
    void reject() override;

private:
    std::unique_ptr<TReportPrinter> m_printer;
    std::unique_ptr<TReportFiler> m_filer;
    TBaseReport* m_report = nullptr;
    PageRenderer* m_renderer = nullptr;
    QLabel* m_label;
    QPushButton* m_button;
    bool m_started = false;
    bool m_running = false;
    bool m_aborted = false;
};
