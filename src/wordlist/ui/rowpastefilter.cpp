#include "wordlist/ui/rowpastefilter.h"

#include "wordlist/wordexchange.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <QKeyEvent>

namespace {

bool isRowPasteKey(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)
           && isRowPaste(QApplication::clipboard()->text());
}

} // namespace

RowPasteFilter::RowPasteFilter(QAbstractItemView* view, std::function<void()> paste)
    : QObject(view), m_view(view), m_paste(std::move(paste))
{
    view->installEventFilter(this);
    // Cell editors are created as children of the viewport.
    view->viewport()->installEventFilter(this);
}

bool RowPasteFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded && watched == m_view->viewport()) {
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
        return false;
    }
    if (!isRowPasteKey(event))
        return false;
    // Claim the key from shortcuts, then take the key press itself.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        m_paste();
    return true;
}
