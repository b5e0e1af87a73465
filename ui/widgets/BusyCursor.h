// The mouse pointer shown over the whole program for the life of a scope:
// restored on every way out, a thrown exception included. Nested scopes
// stack, so a question asked inside a busy run can show the normal pointer.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace dorvanta {

class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape) {
        QGuiApplication::setOverrideCursor(QCursor(shape));
    }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

// The busy pointer.
class BusyCursor : public OverrideCursor {
public:
    BusyCursor() : OverrideCursor(Qt::WaitCursor) {}
};

} // namespace dorvanta
