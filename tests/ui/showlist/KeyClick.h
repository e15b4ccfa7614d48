#pragma once
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// A key pressed and released on `target`, delivered as the system delivers it.
inline void KeyClick(QWidget* target, Qt::Key key,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(target, &release);
}
