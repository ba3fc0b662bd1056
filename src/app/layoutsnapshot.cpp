#include "app/layoutsnapshot.h"

#include "base/messageservice.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <cmath>

namespace {

int scaled(int value, int percent)
{
    return static_cast<int>(std::lround(value * percent / 100.0));
}

// Only plain controls are kept; their inner parts (viewports, scroll bars)
// follow their owner.
bool isComponent(QWidget* widget, QWidget* client)
{
    if (widget->parentWidget() != client && !qobject_cast<QFrame*>(widget->parentWidget()))
        return false;
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)
        || qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QLineEdit*>(widget)
        || qobject_cast<QFrame*>(widget);
}

} // namespace

bool LayoutSnapshot::save(QWidget* client)
{
    m_entries.clear();
    m_clientSize = client->size();
    for (QWidget* widget : client->findChildren<QWidget*>()) {
        if (!isComponent(widget, client))
            continue;
        if (m_entries.size() >= MaxComponents) {
            showError(QStringLiteral("Too many compenents to save dimensions."));
            return false;
        }
        const bool hasFont = !qobject_cast<QFrame*>(widget) || qobject_cast<QLabel*>(widget)
                             || qobject_cast<QAbstractItemView*>(widget);
        m_entries.append({widget, widget->geometry(), hasFont ? widget->font().pointSizeF() : -1.0});
    }
    return true;
}

void LayoutSnapshot::restore(QWidget* client, int percent) const
{
    client->setFixedSize(scaled(m_clientSize.width(), percent), scaled(m_clientSize.height(), percent));
    for (const Entry& entry : m_entries) {
        if (!entry.widget)
            continue;
        const QRect& b = entry.bounds;
        entry.widget->setGeometry(scaled(b.x(), percent), scaled(b.y(), percent),
                                  scaled(b.width(), percent), scaled(b.height(), percent));
        if (entry.fontSize > 0) {
            QFont font = entry.widget->font();
            font.setPointSizeF(entry.fontSize * percent / 100.0);
            entry.widget->setFont(font);
        }
    }
}
