// Answers a modal dialog from inside its modal run: the test schedules the
// answer, then does what opens the dialog.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace dorvanta {

// Runs `answer` with the next active modal dialog of type T once it shows;
// gives up after about two seconds, so a dialog that never comes leaves no
// timer behind for the next test.
template <class T, class Answer> void WhenModal(Answer answer) {
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, answer = std::move(answer), attempts = 0]() mutable {
                         auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
                         if (dialog == nullptr && ++attempts < 400) {
                             return;
                         }
                         timer->stop();
                         timer->deleteLater();
                         if (dialog != nullptr) {
                             answer(dialog);
                         }
                     });
    timer->start();
}

} // namespace dorvanta
