#include "pagelayout/ui/screencursors.h"

#include <QIcon>
#include <QPixmap>

#include <map>

static void initCursorResources() { Q_INIT_RESOURCE(cursors); }

namespace {

constexpr int kCursorSize = 32;

std::map<int, QCursor>& registeredCursors()
{
    static std::map<int, QCursor> cursors;
    return cursors;
}

} // namespace

void registerHandCursor()
{
    initCursorResources();
    const QPixmap hand = QIcon(QStringLiteral(":/cursors/CursHand.svg")).pixmap(kCursorSize, kCursorSize);
    // The hot spot lies in the palm, where the object is grasped.
    registeredCursors()[kHandCursor] = hand.isNull() ? QCursor(Qt::OpenHandCursor) : QCursor(hand, 15, 18);
}

QCursor screenCursor(int number)
{
    const auto found = registeredCursors().find(number);
    return found == registeredCursors().end() ? QCursor(Qt::ArrowCursor) : found->second;
}
