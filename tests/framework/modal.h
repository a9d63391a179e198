// Tests meet modal boxes from inside their loops: a timer armed before the
// action that opens the box finds it and acts on it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace fotovuelo::testing {

// Calls action with the next modal window to appear; fails the test if none
// appears within a few seconds.
inline void OnNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer();
  timer->setInterval(5);
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, action, tries] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && ++*tries < 2000)
      return;
    timer->stop();
    timer->deleteLater();
    if (modal == nullptr) {
      ADD_FAILURE() << "no modal window appeared";
      return;
    }
    action(modal);
  });
  timer->start();
}

// Types any text, one key event per character, as a keyboard layout that has
// the character would (QTest::keyClicks knows only ASCII).
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &release);
  }
}

}  // namespace fotovuelo::testing
