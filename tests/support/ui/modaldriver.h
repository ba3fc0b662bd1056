#pragma once

#include <QApplication>
#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

// Plays a user through a chain of modal windows: each step waits until the
// window with its object name is the active modal window, then acts on it.
// A step returns false to be asked again (its window is not ready yet).
// Anything a step does that opens another modal window must be queued
// (later()), so the step returns before that window runs. After timeoutMs the
// script gives up and closes every modal window, so a test never hangs.
class ModalScript : public QObject {
public:
    struct Step {
        QString window;
        std::function<bool(QWidget*)> act;
    };

    explicit ModalScript(QList<Step> steps, int timeoutMs = 60000) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start(20);
        QTimer::singleShot(timeoutMs, this, [this] {
            m_timedOut = true;
            m_timer.stop();
            closeAllModals();
        });
    }

    // Runs fn from the event loop, after the current step has returned.
    static void later(std::function<void()> fn) { QTimer::singleShot(0, std::move(fn)); }

    bool finished() const { return m_next >= m_steps.size(); }
    bool timedOut() const { return m_timedOut; }
    // The window the script is waiting for, empty when finished.
    QString waitingFor() const { return finished() ? QString() : m_steps[m_next].window; }

private:
    void tick()
    {
        if (m_busy || finished())
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != m_steps[m_next].window)
            return;
        m_busy = true;
        const bool done = m_steps[m_next].act(modal);
        m_busy = false;
        if (done)
            ++m_next;
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
    bool m_busy = false;
    bool m_timedOut = false;
    QTimer m_timer;
};
