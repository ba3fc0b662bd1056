#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

// Plays a user through the modal windows that a command opens. Each step
// waits until its window (by object name or class name) is the active modal
// window and, when it has one, until ready() holds for it; then it acts on it. An
// act runs from the event loop of its own, so it may open further modal
// windows, which the following steps drive. After timeoutMs the driver gives
// up and closes every modal window, so a test never hangs. Make the driver
// before running the command that opens the first window.
class ModalDriver : public QObject {
public:
    struct Step {
        QString window;
        std::function<void(QWidget*)> act;
        std::function<bool(QWidget*)> ready = {};
    };

    explicit ModalDriver(QList<Step> steps, int timeoutMs = 60000) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start(20);
        QTimer::singleShot(timeoutMs, this, [this] {
            m_timedOut = true;
            m_timer.stop();
            closeAllModals();
        });
    }

    bool finished() const { return m_next >= m_steps.size() && !m_actPending; }
    bool timedOut() const { return m_timedOut; }
    // The window the driver is waiting for, empty when finished.
    QString waitingFor() const { return m_next >= m_steps.size() ? QString() : m_steps[m_next].window; }

private:
    void tick()
    {
        if (m_actPending || m_next >= m_steps.size())
            return;
        QWidget* modal = QApplication::activeModalWidget();
        const Step& step = m_steps[m_next];
        if (!modal || !isWindow(modal, step.window) || (step.ready && !step.ready(modal)))
            return;
        ++m_next;
        // A timer does not fire again while its own handler runs, so the act
        // runs from a timer of its own and this one goes on driving the
        // windows that the act opens.
        m_actPending = true;
        QTimer::singleShot(0, this, [this, act = step.act, window = QPointer<QWidget>(modal)] {
            m_actPending = false;
            if (window)
                act(window);
        });
    }

    static bool isWindow(const QWidget* modal, const QString& name)
    {
        return modal->objectName() == name || QLatin1String(modal->metaObject()->className()) == name;
    }

    static void closeAllModals()
    {
        for (int guard = 0; guard < 20; ++guard) {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            modal->close();
            QApplication::processEvents();
        }
    }

    QList<Step> m_steps;
    qsizetype m_next = 0;
    bool m_actPending = false;
    bool m_timedOut = false;
    QTimer m_timer;
};
