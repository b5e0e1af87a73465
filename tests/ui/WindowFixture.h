// A main window over a catalogue directory of the test's own, shown on the
// offscreen platform, with helpers to find its controls and to let the
// program go idle (which is when the actions update their enabled state).
#pragma once

#include "frmDorvanta.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <ostream>

// Failure messages show texts, not the bytes of their characters.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace dorvanta {

class WindowFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Directory.isValid());
        PrepareDirectory();
        Open();
    }

    // Called before the window opens: lets a test put a catalogue file there.
    virtual void PrepareDirectory() {}

    void Open() {
        Form = std::make_unique<TformDorvanta>(Directory.path());
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        // Accelerators need the active window; a start message may hold the
        // activation for itself, so it is not insisted on.
        Form->activateWindow();
        (void)QTest::qWaitForWindowActive(Form.get(), 1000);
        Idle();
    }

    template <class T> T* Find(const char* name) const {
        auto* child = Form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // Runs the event loop until it waits for more events, as a user's
    // program does between two keystrokes.
    static void Idle() {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }

    [[nodiscard]] bool Enabled(const char* action) const {
        return Find<QAction>(action)->isEnabled();
    }

    QTemporaryDir Directory;
    std::unique_ptr<TformDorvanta> Form;
};

} // namespace dorvanta
