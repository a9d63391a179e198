// Posted messages wait for the message loop; sent ones are handled at once.
// A window owns its children, and destroying it drops what was queued for it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "framework/t_dc.h"
#include "framework/t_window.h"
#include "framework/testing.h"

namespace {

constexpr framework::TMsgId kPing = framework::WM_USER + 1;
constexpr framework::TMsgId kPong = framework::WM_USER + 2;

class Recorder : public framework::TWindow {
 public:
  explicit Recorder(framework::TWindow* parent = nullptr) : framework::TWindow(parent) {}
  std::vector<std::string> log;
  DECLARE_RESPONSE_TABLE(Recorder);

 protected:
  framework::TResult EvPing(framework::TParam1 p1, framework::TParam2) {
    log.push_back("ping " + std::to_string(p1));
    return 7;
  }
  framework::TResult EvPong(framework::TParam1, framework::TParam2) {
    log.push_back("pong");
    return 9;
  }
  void EvDestroy() {
    log.push_back("destroy");
    framework::TWindow::EvDestroy();
  }
};

// clang-format off
DEFINE_RESPONSE_TABLE1(Recorder, framework::TWindow)
  EV_MESSAGE(kPing, EvPing),
  EV_MESSAGE(kPong, EvPong),
  EV_WM_DESTROY,
END_RESPONSE_TABLE;
// clang-format on

void RunPostedMessages() {
  QCoreApplication::sendPostedEvents();
}

TEST(Messages, PostedWaitsForTheLoopSentIsHandledNow) {
  Recorder window;
  ASSERT_TRUE(window.Create());
  EXPECT_TRUE(window.PostMessage(kPing, 1));
  EXPECT_TRUE(window.PostMessage(kPing, 2));
  EXPECT_TRUE(window.log.empty());

  EXPECT_EQ(window.SendMessage(kPong), 9);
  EXPECT_EQ(window.log, std::vector<std::string>{"pong"});

  RunPostedMessages();
  EXPECT_EQ(window.log, (std::vector<std::string>{"pong", "ping 1", "ping 2"}));
  RunPostedMessages();
  EXPECT_EQ(window.log.size(), 3u) << "each posted message is handled once";
  window.Destroy();
}

TEST(Messages, DestroyDropsQueuedMessagesAndRefusesNewOnes) {
  Recorder window;
  ASSERT_TRUE(window.Create());
  window.PostMessage(kPing, 1);
  window.Destroy();
  EXPECT_FALSE(window.IsWindow());
  EXPECT_FALSE(window.PostMessage(kPing, 2));
  RunPostedMessages();
  EXPECT_EQ(window.log, std::vector<std::string>{"destroy"});
}

TEST(Messages, WindowDestroysChildWindowsAndDeletesChildObjects) {
  auto* parent = new Recorder();
  auto* child = new Recorder(parent);
  ASSERT_TRUE(parent->Create());
  EXPECT_TRUE(child->IsWindow()) << "children are created with their parent";
  ASSERT_EQ(parent->GetChildren().size(), 1u);

  parent->Destroy();
  EXPECT_EQ(parent->log, std::vector<std::string>{"destroy"});
  EXPECT_EQ(child->log, std::vector<std::string>{"destroy"});
  EXPECT_FALSE(child->IsWindow());
  // The child object outlives its window and goes with its parent object;
  // the sanitizer build would report a leak or a double delete here.
  EXPECT_EQ(child->GetParent(), parent);
  delete parent;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The device context paints what the erase message asks for.
class Painted : public framework::TWindow {
 public:
  Painted() : framework::TWindow(nullptr) {}
  DECLARE_RESPONSE_TABLE(Painted);

 protected:
  bool EvEraseBkgnd(framework::HDC hdc) {
    framework::TDC dc(hdc);
    dc.SetBkColor(framework::TColor{0, 0, 255});
    const framework::TRect all = GetClientRect();
    dc.ExtTextOut(0, 0, framework::ETO_OPAQUE, &all, "");
    dc.FillRect(framework::TRect{0, 0, 4, 4}, framework::TColor{255, 0, 0});
    return true;
  }
};

// clang-format off
DEFINE_RESPONSE_TABLE1(Painted, framework::TWindow)
  EV_WM_ERASEBKGND,
END_RESPONSE_TABLE;
// clang-format on

TEST(Messages, EraseBackgroundPaintsThroughTheDeviceContext) {
  Painted window;
  ASSERT_TRUE(window.Create());
  QWidget* widget = framework::testing::WidgetOf(window);
  widget->resize(40, 30);
  const QImage image = widget->grab().toImage();
  EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(20, 20), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(39, 29), QColor(0, 0, 255));
  window.Destroy();
}

}  // namespace
