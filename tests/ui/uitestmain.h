#pragma once

#include <QObject>

#include <functional>

// QtTest objects register themselves here; one main runs them all, so the
// dialog tests are one quick binary.
int registerUiTest(std::function<QObject*()> factory);

#define QM_UI_TEST(Class) \
    static const int qm_ui_test_registration_##Class = registerUiTest([] { return new Class; });
