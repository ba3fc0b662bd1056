#include "ui/uitestmain.h"

#include "support/offscreen.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
std::vector<std::function<QObject*()>>& registry()
{
    static std::vector<std::function<QObject*()>> tests;
    return tests;
}
} // namespace

int registerUiTest(std::function<QObject*()> factory)
{
    registry().push_back(std::move(factory));
    return static_cast<int>(registry().size());
}

int main(int argc, char** argv)
{
    chooseOffscreenPlatform();
    QApplication app(argc, argv);
    int failedObjects = 0;
    int passedObjects = 0;
    for (const auto& factory : registry()) {
        std::unique_ptr<QObject> test(factory());
        if (QTest::qExec(test.get(), argc, argv) == 0)
            ++passedObjects;
        else
            ++failedObjects;
    }
    std::printf("ui tests: %d passed, %d failed\n", passedObjects, failedObjects);
    return failedObjects == 0 ? 0 : 1;
}
