// The mouse pointer shown over the whole program for the life of a scope:
// restored on every way out, a thrown exception included. Nested scopes
// stack, so a question asked inside a busy run can show the normal pointer.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace dorvanta {

class TOverrideCursor {
public:
    explicit TOverrideCursor(Qt::CursorShape shape) {
        QGuiApplication::setOverrideCursor(QCursor(shape));
    }
    ~TOverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    TOverrideCursor(const TOverrideCursor&) = delete;
    TOverrideCursor& operator=(const TOverrideCursor&) = delete;
};

// The busy pointer.
class TBusyCursor : public TOverrideCursor {
public:
    TBusyCursor() : TOverrideCursor(Qt::WaitCursor) {}
};

} // namespace dorvanta
