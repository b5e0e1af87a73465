// Answers a modal dialog from inside its modal run: the test schedules the
// answer, then does what opens the dialog.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <utility>

namespace dorvanta {

// Runs `answer` with the next active modal dialog of type T once it shows.
// The answer waits only while the returned timer lives: keep it until the
// action that opens the dialog has returned, so that no answer is left over
// for a later test.
template <class T, class Answer> [[nodiscard]] std::unique_ptr<QTimer> WhenModal(Answer answer) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(5);
    QTimer* raw = timer.get();
    QObject::connect(raw, &QTimer::timeout, raw, [raw, answer = std::move(answer)]() mutable {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            raw->stop();
            answer(dialog);
        }
    });
    timer->start();
    return timer;
}

} // namespace dorvanta
