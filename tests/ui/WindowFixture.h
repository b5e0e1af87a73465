// A main window over a catalogue directory of the test's own, shown on the
// offscreen platform, with helpers to find its controls and to let the
// program go idle (which is when the actions update their enabled state).
#pragma once

#include "ui/mainwindow/frmDorvanta.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <ostream>
#include <stdexcept>

// Failure messages show texts, not the bytes of their characters.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace dorvanta {

// No control of the asked name and class under a window.
class MissingControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The object names of `parent`'s descendants, sorted, without repeats.
inline QStringList ChildNames(const QObject& parent) {
    QStringList names;
    for (const QObject* child : parent.findChildren<QObject*>()) {
        if (!child->objectName().isEmpty() &&
            !child->objectName().startsWith(QLatin1String("qt_"))) {
            names.append(child->objectName());
        }
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

template <class T> T* FindIn(const QObject& parent, const char* name) {
    auto* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        throw MissingControl(
            "no " + std::string(T::staticMetaObject.className()) + " named \"" + name +
            "\" under " + parent.objectName().toStdString() +
            "; its named children: " + ChildNames(parent).join(QStringLiteral(", ")).toStdString());
    }
    return child;
}

class WindowFixture : public testing::Test {
public:
    // Runs the event loop until it waits for more events, as a user's
    // program does between two keystrokes.
    static void Idle() {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }

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

    // The window's control of that object name. A missing one ends the
    // current test with a message that names the controls there are (the
    // test framework reports the exception as the test's failure), so that
    // a renamed control fails its tests instead of crashing the test run.
    template <class T> T* Find(const char* name) const { return FindIn<T>(*Form, name); }

    [[nodiscard]] bool Enabled(const char* action) const {
        return Find<QAction>(action)->isEnabled();
    }

    QTemporaryDir Directory;
    std::unique_ptr<TformDorvanta> Form;
};

} // namespace dorvanta
