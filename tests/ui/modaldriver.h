#pragma once

#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives a modal dialog that a command is about to open: polls until the
// active modal widget is a T (at most timeoutMs), then calls act with it.
// Nested dialogs are driven by calling whenModal again from inside act.
template <typename T>
void whenModal(std::function<void(T*)> act, int timeoutMs = 20000)
{
    auto* timer = new QTimer(qApp);
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + timeoutMs;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, deadline] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && QDateTime::currentMSecsSinceEpoch() < deadline)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog)
            act(dialog);
    });
    timer->start(20);
}
