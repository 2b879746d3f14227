// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QtTest>

#include "window/sound/exitnow.h"

// QTEST_MAIN for programs that open sounds: they leave the way the game does, through exitNow()
// once the application object is gone, so that Qt's PulseAudio engine is never torn down by a
// static destructor while libpulse's thread still runs.
#define MARVANE_SOUND_TEST_MAIN(TestObject)          \
    int main(int argc, char* argv[]) {               \
        int rc = 0;                                  \
        {                                            \
            QApplication app(argc, argv);            \
            app.setAttribute(Qt::AA_Use96Dpi, true); \
            TestObject test;                         \
            QTEST_SET_MAIN_SOURCE_PATH               \
            rc = QTest::qExec(&test, argc, argv);    \
        }                                            \
        marvane::exitNow(rc);                        \
    }
