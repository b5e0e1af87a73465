// The start-time measurement's hook: with DORVANTA_QUIT_AFTER_SHOW=1 in the
// environment a program ends as soon as its window has been shown and painted
// once. The dorvanta program and the minimal window of the start benchmark
// (bench/MinimalWindow.cpp) use it alike, so both are timed to the same point.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace dorvanta {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    // Watches `window` when the environment asks for it; the filter is a
    // child of the window.
    static void InstallIfRequested(QWidget& window) {
        if (qEnvironmentVariableIntValue("DORVANTA_QUIT_AFTER_SHOW") == 1) {
            window.installEventFilter(new QuitAfterFirstPaint(&window));
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // After the rest of this paint pass: the children are drawn too.
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

} // namespace dorvanta
