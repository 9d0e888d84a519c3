#pragma once
// Shows a window at a given size. A new configuration starts the reader
// maximized, so a test that wants a size asks for the normal state first.

#include <QSize>
#include <QWidget>
#include <QtTest>

namespace qw::test {

inline bool ShowNormalAt(QWidget& window, const QSize& size) {
    window.showNormal();
    window.resize(size);
    return QTest::qWaitForWindowExposed(&window) && window.size() == size;
}

} // namespace qw::test
