// Response tables: a class's own entries come before its base's, each kind
// of event is looked up apart, and dispatch reaches the most derived handler.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/t_command_enabler.h"
#include "framework/t_window.h"

namespace {

using framework::TEventArgs;
using framework::TEventKind;

constexpr unsigned kShared = 500;    // in both tables
constexpr unsigned kBaseOnly = 501;  // only in the base's
constexpr unsigned kNotInAny = 502;

class BaseWindow : public framework::TWindow {
 public:
  BaseWindow() : framework::TWindow(nullptr) {}
  std::vector<std::string> calls;
  DECLARE_RESPONSE_TABLE(BaseWindow);

 protected:
  void CmShared() { calls.push_back("base shared"); }
  void CmBaseOnly() { calls.push_back("base only"); }
  framework::TResult EvShared(framework::TParam1 p1, framework::TParam2 p2) {
    calls.push_back("base message");
    return static_cast<framework::TResult>(p1) + p2;
  }
};

// clang-format off
DEFINE_RESPONSE_TABLE1(BaseWindow, framework::TWindow)
  EV_COMMAND(kShared, CmShared),
  EV_COMMAND(kBaseOnly, CmBaseOnly),
  EV_MESSAGE(kShared, EvShared),
END_RESPONSE_TABLE;
// clang-format on

class DerivedWindow : public BaseWindow {
 public:
  bool enabled = false;
  DECLARE_RESPONSE_TABLE(DerivedWindow);

 protected:
  void CmShared() { calls.push_back("derived shared"); }
  void CeShared(framework::TCommandEnabler& ce) { ce.Enable(enabled); }
  void CmNotified() { calls.push_back("derived notified"); }
};

// clang-format off
DEFINE_RESPONSE_TABLE1(DerivedWindow, BaseWindow)
  EV_COMMAND(kShared, CmShared),
  EV_COMMAND_ENABLE(kShared, CeShared),
  EV_CHILD_NOTIFY(kShared, framework::LBN_SELCHANGE, CmNotified),
END_RESPONSE_TABLE;
// clang-format on

TEST(ResponseTable, OwnTableFirstThenBase) {
  DerivedWindow window;
  struct Case {
    unsigned id;
    const char* expected;
  };
  for (const Case& c : {Case{kShared, "derived shared"}, Case{kBaseOnly, "base only"}}) {
    window.calls.clear();
    EXPECT_TRUE(window.RouteCommand(c.id));
    ASSERT_EQ(window.calls.size(), 1u) << c.id;
    EXPECT_EQ(window.calls[0], c.expected);
  }
  window.calls.clear();
  EXPECT_FALSE(window.RouteCommand(kNotInAny));
  EXPECT_TRUE(window.calls.empty());

  // The base class's own view is unchanged by the derived table.
  BaseWindow base;
  base.RouteCommand(kShared);
  EXPECT_EQ(base.calls, std::vector<std::string>{"base shared"});
}

TEST(ResponseTable, KindsAndCodesAreLookedUpApart) {
  DerivedWindow window;
  // The same number as a message reaches the base's message handler, with
  // its parameters and result.
  EXPECT_EQ(window.SendMessage(kShared, 40, 2), 42);
  EXPECT_EQ(window.calls, std::vector<std::string>{"base message"});

  window.calls.clear();
  EXPECT_TRUE(window.Dispatch(TEventKind::Notify, kShared, TEventArgs{}, nullptr,
                              framework::LBN_SELCHANGE));
  EXPECT_FALSE(
      window.Dispatch(TEventKind::Notify, kShared, TEventArgs{}, nullptr, framework::LBN_DBLCLK));
  EXPECT_EQ(window.calls, std::vector<std::string>{"derived notified"});

  // The framework's own entries stay reachable below the program's.
  EXPECT_NE(window.Find(TEventKind::Message, framework::WM_CLOSE), nullptr);
  EXPECT_EQ(window.Find(TEventKind::Message, kNotInAny), nullptr);
  EXPECT_EQ(DerivedWindow::ResponseTable().Size(), 3u);
}

TEST(ResponseTable, CommandEnablingAsksTheEnablerOrFallsBackOnAHandler) {
  DerivedWindow window;
  for (const bool enabled : {false, true}) {
    window.enabled = enabled;
    framework::TCommandEnabler shared(kShared);
    window.RouteCommandEnable(shared);
    EXPECT_TRUE(shared.WasHandled());
    EXPECT_EQ(shared.IsEnabled(), enabled);
  }
  // No enabler: available exactly when something would handle the command.
  framework::TCommandEnabler baseOnly(kBaseOnly);
  window.RouteCommandEnable(baseOnly);
  EXPECT_TRUE(baseOnly.IsEnabled());
  framework::TCommandEnabler nobody(kNotInAny);
  window.RouteCommandEnable(nobody);
  EXPECT_FALSE(nobody.IsEnabled());
}

}  // namespace
