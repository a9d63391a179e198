// Runs the program's own message loop with a script that acts inside it, as
// a person would at the keyboard and mouse, and finds the main window's parts.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/t_transfer_app.h"
#include "app/t_transfer_window.h"
#include "framework/t_frame_window.h"
#include "framework/testing.h"

namespace fotovuelo::testing {

struct Program {
  TTransferApp& app;
  framework::TFrameWindow& frame;
  TTransferWindow& window;
  QMainWindow& mainWidget;
  QMenuBar& bar;
  QMenuBar* rightBar;  // the bar's right end
};

// Runs the program; the script starts once the main window is shown. A
// script that does not end the program fails the test after watchdogMs
// (none with 0).
inline int RunProgram(const std::function<void(Program&)>& script, int watchdogMs = 20000) {
  TTransferApp app;
  QTimer start;
  start.setSingleShot(true);
  QObject::connect(&start, &QTimer::timeout, [&] {
    framework::TFrameWindow* frame = app.GetMainWindow();
    auto* window = dynamic_cast<TTransferWindow*>(frame->GetClientWindow());
    auto* main = qobject_cast<QMainWindow*>(framework::testing::WidgetOf(*frame));
    ASSERT_NE(window, nullptr);
    ASSERT_NE(main, nullptr);
    Program program{app,
                    *frame,
                    *window,
                    *main,
                    *main->menuBar(),
                    qobject_cast<QMenuBar*>(main->menuBar()->cornerWidget(Qt::TopRightCorner))};
    script(program);
  });
  start.start(0);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    ADD_FAILURE() << "the program did not end";
    app.PostQuitMessage(99);
  });
  if (watchdogMs > 0)
    watchdog.start(watchdogMs);
  return app.Run();
}

inline QAction* ActionWithCommand(const QWidget& menu, int command) {
  for (QAction* action : menu.actions()) {
    if (framework::testing::CommandOf(*action) == command)
      return action;
  }
  return nullptr;
}

// Opens "&Cálculo" by clicking it on the bar; commands are enabled or
// greyed as it opens.
inline QMenu* OpenCalculo(Program& p) {
  QAction* popup = p.bar.actions().value(0);
  if (popup == nullptr || popup->menu() == nullptr)
    return nullptr;
  QTest::mouseClick(&p.bar, Qt::LeftButton, {}, p.bar.actionGeometry(popup).center());
  return popup->menu();
}

// Chooses an item of an open pop-up with the mouse.
inline void Choose(QMenu* menu, int command) {
  QAction* action = ActionWithCommand(*menu, command);
  ASSERT_NE(action, nullptr) << command;
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

// Whether a command of "&Cálculo" is enabled as the menu opens now.
inline bool EnabledOnOpening(Program& p, int command) {
  QMenu* menu = OpenCalculo(p);
  if (menu == nullptr)
    return false;
  QAction* action = ActionWithCommand(*menu, command);
  const bool enabled = action != nullptr && action->isEnabled();
  menu->hide();
  return enabled;
}

}  // namespace fotovuelo::testing
