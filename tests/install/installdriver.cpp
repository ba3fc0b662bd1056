// A Qt input plugin that plays a user through the program it is loaded into
// (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=quillmazedriver), so the test
// of an install drives the installed program itself. It waits for the main
// window, prints its caption and lists, saves a new shape "Installed Kite"
// through Puzzle Shape, New and Save, and exits the program as a user does.
// A program that does not get that far is ended with exit code 3.
#include "support/ui/modaldriver.h"

#include <QGenericPlugin>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QStringList entries(const QListWidget* box)
{
    QStringList texts;
    for (int row = 0; box && row < box->count(); ++row)
        texts << box->item(row)->text();
    return texts;
}

// Presses a key in a window as a user does once the window has the focus.
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        say(QStringLiteral("driver: %1 is not active").arg(window->objectName()));
    QTest::keyClick(window, key, modifiers);
}

class InstallDriver : public QObject {
public:
    InstallDriver()
    {
        QTimer::singleShot(100, this, [this] { waitForMainWindow(); });
        QTimer::singleShot(60000, [] {
            say(QStringLiteral("driver: timed out"));
            std::_Exit(3);
        });
    }

private:
    void waitForMainWindow()
    {
        QWidget* main = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("MainWin") && window->isVisible())
                main = window;
        }
        if (!main || QApplication::activeModalWidget()) {
            QTimer::singleShot(50, this, [this] { waitForMainWindow(); });
            return;
        }
        say(QStringLiteral("caption: ") + main->windowTitle());
        say(QStringLiteral("categories: ") + entries(main->findChild<QListWidget*>(QStringLiteral("CategoryBox"))).join(u'|'));
        say(QStringLiteral("puzzles: ") + entries(main->findChild<QListWidget*>(QStringLiteral("PuzzleBox"))).join(u'|'));
        saveNewShape(main);
        main->close();
    }

    static void saveNewShape(QWidget* main)
    {
        ModalDriver driver({
            {QStringLiteral("TSelectShapes"), [](QWidget* list) { press(list, Qt::Key_N, Qt::AltModifier); }},
            {QStringLiteral("TDoShapes"),
             [](QWidget* editor) {
                 auto* title = editor->findChild<QLineEdit*>(QStringLiteral("Title"));
                 title->setFocus();
                 title->selectAll();
                 QTest::keyClicks(title, QStringLiteral("Installed Kite"));
                 press(editor, Qt::Key_S, Qt::AltModifier);
             }},
            {QStringLiteral("TSelectShapes"),
             [](QWidget* list) {
                 say(QStringLiteral("shapes: ") + entries(list->findChild<QListWidget*>(QStringLiteral("ShapeBox"))).join(u'|'));
                 press(list, Qt::Key_X, Qt::AltModifier);
             }},
        }, 20000);
        press(main, Qt::Key_H, Qt::ControlModifier);
        say(driver.finished() && !driver.timedOut() ? QStringLiteral("driver: shape saved") : QStringLiteral("driver: stopped at ") + driver.waitingFor());
    }
};

} // namespace

class InstallDriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "installdriver.json")
public:
    QObject* create(const QString&, const QString&) override { return new InstallDriver; }
};

#include "installdriver.moc"
