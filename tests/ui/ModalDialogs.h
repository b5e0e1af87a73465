// Answers a modal dialog from inside its modal run: the test schedules the
// answer, then does what opens the dialog.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>
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

// Runs `save`, which opens a save dialog, answers the dialog with `file`,
// and returns the text of the error box that followed, if any (a question
// before replacing a file is answered Yes). `checked` false skips the
// dialog's own check of the name, as a name that a desktop's dialog accepts
// may still fail.
inline QString SaveThroughDialog(const std::function<void()>& save, const QString& file,
                                 bool checked = true) {
    QString message;
    QTimer boxes;
    boxes.setInterval(5);
    QObject::connect(&boxes, &QTimer::timeout, &boxes, [&message] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            yes->click();
            return;
        }
        message = box->windowTitle() + QStringLiteral(": ") + box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    boxes.start();
    const auto answering = WhenModal<QFileDialog>([file, checked](QFileDialog* dialog) {
        dialog->selectFile(file);
        if (checked) {
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            QMetaObject::invokeMethod(dialog, "done", Q_ARG(int, QDialog::Accepted));
        }
    });
    save();
    return message;
}

} // namespace dorvanta
