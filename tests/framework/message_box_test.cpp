// Message box flags choose the icon and the buttons; the result names the
// button pressed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "framework/message_box.h"
#include "tests/framework/modal.h"

namespace {

struct BoxCase {
  unsigned flags;
  QMessageBox::Icon icon;
  int buttons;
  QMessageBox::StandardButton press;  // NoButton: press Esc
  int result;
};

class MessageBoxFlags : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxFlags, ShowIconAndButtonsAndReturnThePress) {
  const BoxCase& c = GetParam();
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = -1;
  fotovuelo::testing::OnNextModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    if (c.press == QMessageBox::NoButton) {
      QTest::keyClick(box, Qt::Key_Escape);
    } else {
      box->button(c.press)->click();
    }
  });
  const int result = framework::MessageBox(nullptr, "Texto", "Caja", c.flags);
  EXPECT_EQ(title, QStringLiteral("Caja"));
  EXPECT_EQ(icon, c.icon);
  EXPECT_EQ(buttons, c.buttons);
  EXPECT_EQ(result, c.result);
}

using framework::IDCANCEL;
using framework::IDNO;
using framework::IDOK;
using framework::IDYES;

INSTANTIATE_TEST_SUITE_P(
    Flags, MessageBoxFlags,
    testing::Values(BoxCase{framework::MB_OK | framework::MB_ICONINFORMATION,
                            QMessageBox::Information, 1, QMessageBox::Ok, IDOK},
                    BoxCase{framework::MB_OK | framework::MB_ICONEXCLAMATION, QMessageBox::Warning,
                            1, QMessageBox::NoButton, IDOK},
                    BoxCase{framework::MB_OKCANCEL | framework::MB_ICONSTOP, QMessageBox::Critical,
                            2, QMessageBox::NoButton, IDCANCEL},
                    BoxCase{framework::MB_YESNO | framework::MB_ICONQUESTION, QMessageBox::Question,
                            2, QMessageBox::No, IDNO},
                    BoxCase{framework::MB_YESNOCANCEL, QMessageBox::NoIcon, 3, QMessageBox::Yes,
                            IDYES}));

TEST(MessageBox, CaptionIsWindows1252WithItsBlanks) {
  QString title;
  fotovuelo::testing::OnNextModal([&](QWidget* w) {
    title = w->windowTitle();
    QTest::keyClick(w, Qt::Key_Escape);
  });
  // "  Información" in Windows-1252: the leading blanks stay.
  framework::MessageBox(nullptr, "x", "  Informaci\xF3n", framework::MB_OK);
  EXPECT_EQ(title, QString::fromUtf8("  Informaci\xC3\xB3n"));
}

}  // namespace
