#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// The main window's layout at start-up, kept so that a screen size preset can
// restore it and scale it: bounds and font size of up to 101 components in
// creation order, and the client size.
class LayoutSnapshot {
public:
    static constexpr int MaxComponents = 101;

    // Returns false (after reporting "Too many compenents to save
    // dimensions.") when the window has more components than can be kept;
    // the first 101 are kept all the same.
    bool save(QWidget* client);

    // Gives every kept component its stored bounds and font size scaled by
    // percent / 100, and the client its scaled size.
    void restore(QWidget* client, int percent) const;

    int size() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect bounds;
        double fontSize = -1; // -1: the component keeps its font
    };
    QList<Entry> m_entries;
    QSize m_clientSize;
};
