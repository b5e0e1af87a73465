// The busy mouse pointer for the life of a scope: restored on every way out,
// a thrown exception included.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace dorvanta {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace dorvanta
