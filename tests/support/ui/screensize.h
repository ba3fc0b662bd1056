#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QScreen>
#include <QSize>
#include <qpa/qplatformnativeinterface.h>

// Gives the offscreen platform's screen another size for as long as it
// lives, then the size it had. The offscreen platform reconfigures its
// screens through its native interface; on another platform nothing changes
// and active() is false.
class ScreenSize {
public:
    explicit ScreenSize(const QSize& size)
    {
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        if (QGuiApplication::platformName() != QLatin1String("offscreen") || !native)
            return;
        m_configure = reinterpret_cast<Configure>(native->nativeResourceForIntegration("setConfiguration"));
        const auto read = reinterpret_cast<Read>(native->nativeResourceForIntegration("configuration"));
        if (!m_configure || !read)
            return;
        m_previous = read(native);
        configure(withSize(m_previous, size));
    }
    ~ScreenSize()
    {
        if (active())
            configure(m_previous);
    }
    ScreenSize(const ScreenSize&) = delete;
    ScreenSize& operator=(const ScreenSize&) = delete;

    bool active() const { return m_configure && !m_previous.isEmpty(); }

private:
    using Configure = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    using Read = QJsonObject (*)(QPlatformNativeInterface*);

    static QJsonObject withSize(QJsonObject configuration, const QSize& size)
    {
        QJsonArray screens = configuration[QStringLiteral("screens")].toArray();
        QJsonObject first = screens.isEmpty() ? QJsonObject() : screens.first().toObject();
        first[QStringLiteral("width")] = size.width();
        first[QStringLiteral("height")] = size.height();
        if (screens.isEmpty())
            screens.append(first);
        else
            screens[0] = first;
        configuration[QStringLiteral("screens")] = screens;
        return configuration;
    }

    void configure(const QJsonObject& configuration)
    {
        m_configure(configuration, QGuiApplication::platformNativeInterface());
        // The screen hears of its new geometry through the event queue.
        QCoreApplication::processEvents();
    }

    Configure m_configure = nullptr;
    QJsonObject m_previous;
};
