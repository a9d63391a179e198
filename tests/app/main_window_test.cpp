// The application shell driven through its menu: start-up state, the menu
// bar, the caption, the About box, "&Datos" greyed while the form is open and
// enabled again when the form's message arrives, and "&Exit".
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>

#include "entry/t_transfer_dialog.h"
#include "resources/ids.h"
#include "tests/app/program_driver.h"
#include "tests/framework/modal.h"

namespace {

using fotovuelo::testing::Choose;
using fotovuelo::testing::EnabledOnOpening;
using fotovuelo::testing::OpenCalculo;
using fotovuelo::testing::Program;
using fotovuelo::testing::RunProgram;
using framework::testing::CommandOf;
using framework::testing::WidgetOf;
namespace res = fotovuelo::res;

void ExitThroughTheMenu(Program& p) {
  QMenu* menu = OpenCalculo(p);
  ASSERT_NE(menu, nullptr);
  Choose(menu, res::kCmExit);
}

TEST(MainWindow, StartsWithNoFormDatosEnabledAndABlackClientArea) {
  bool checked = false;
  const int status = RunProgram([&](Program& p) {
    EXPECT_EQ(p.window.TransferDialog, nullptr);
    ASSERT_NE(p.window.Label, nullptr);
    EXPECT_EQ(p.window.Label[0], '\0');
    EXPECT_TRUE(EnabledOnOpening(p, res::kCmDatos));
    EXPECT_TRUE(EnabledOnOpening(p, res::kCmResultados));

    EXPECT_EQ(
        p.mainWidget.windowTitle(),
        QString::fromUtf8("Programaci\xC3\xB3n de un Vuelo Fotogram\xC3\xA9trico  -por Brundak"));
    EXPECT_FALSE(p.mainWidget.windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());

    QWidget* client = WidgetOf(p.window);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(p.mainWidget.centralWidget(), client);
    const QImage image = client->grab().toImage();
    ASSERT_GT(image.width(), 100);
    ASSERT_GT(image.height(), 100);
    int notBlack = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != QColor(0, 0, 0))
          ++notBlack;
      }
    }
    EXPECT_EQ(notBlack, 0);
    checked = true;
    ExitThroughTheMenu(p);
  });
  EXPECT_TRUE(checked);
  EXPECT_EQ(status, 0) << "\"&Exit\" ends the message loop";
}

TEST(MainWindow, MenuBarHoldsCalculoAndAboutAtTheRightEnd) {
  RunProgram([&](Program& p) {
    const QList<QAction*> bar = p.bar.actions();
    ASSERT_EQ(bar.size(), 1);
    ASSERT_NE(bar[0]->menu(), nullptr);
    EXPECT_EQ(bar[0]->text(), QString::fromUtf8("&C\xC3\xA1lculo"));

    struct Item {
      const char* text;
      int command;
    };
    const Item expected[] = {{"&Datos", 111}, {"&Resultados", 112}, {"", -1}, {"&Exit", 24310}};
    const QList<QAction*> items = bar[0]->menu()->actions();
    ASSERT_EQ(items.size(), 4);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(items[i]->isSeparator(), expected[i].command == -1) << i;
      EXPECT_EQ(items[i]->text().toStdString(), expected[i].text) << i;
      EXPECT_EQ(CommandOf(*items[i]), expected[i].command) << i;
    }

    // "&About..." is a command of the bar itself, at its right end.
    ASSERT_NE(p.rightBar, nullptr);
    const QList<QAction*> right = p.rightBar->actions();
    ASSERT_EQ(right.size(), 1);
    EXPECT_EQ(right[0]->text(), "&About...");
    EXPECT_EQ(right[0]->menu(), nullptr);
    EXPECT_EQ(CommandOf(*right[0]), 41);
    const QRect about = p.rightBar->actionGeometry(right[0]).translated(p.rightBar->pos());
    const QRect calculo = p.bar.actionGeometry(bar[0]);
    EXPECT_GT(about.left(), calculo.right());
    EXPECT_GE(about.right(), p.bar.width() - 12) << "flush with the bar's right end";
    ExitThroughTheMenu(p);
  });
}

TEST(MainWindow, AboutBoxShowsTheCaptionTheInformationIconAndOneOkButton) {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QAbstractButton*> buttons;
  QString okText;
  const int status = RunProgram([&](Program& p) {
    fotovuelo::testing::OnNextModal([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->buttons();
      okText = box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->text() : "";
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QAction* about = p.rightBar->actions().value(0);
    QTest::mouseClick(p.rightBar, Qt::LeftButton, {}, p.rightBar->actionGeometry(about).center());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr)
        << "the box is gone once CmAcerca returns";
    ExitThroughTheMenu(p);
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(title, QString::fromUtf8("  Informaci\xC3\xB3n"));
  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(buttons.size(), 1);
  EXPECT_FALSE(okText.isEmpty());
  EXPECT_TRUE(text.contains("Fotovuelo"));
  EXPECT_FALSE(text.contains(u'\r'));
}

TEST(MainWindow, DatosIsGreyedWhileAFormIsOpenUntilItsPostedMessageArrives) {
  const int status = RunProgram([&](Program& p) {
    // Each closing path: Esc, the "&Close" button.
    for (const bool byEsc : {true, false}) {
      SCOPED_TRACE(byEsc ? "Esc" : "&Close");
      QMenu* menu = OpenCalculo(p);
      ASSERT_NE(menu, nullptr);
      Choose(menu, res::kCmDatos);
      TTransferDialog* form = p.window.TransferDialog;
      ASSERT_NE(form, nullptr);
      ASSERT_TRUE(form->IsWindow());
      QWidget* formWidget = WidgetOf(*form);
      EXPECT_TRUE(formWidget->isVisible());
      EXPECT_EQ(formWidget->windowTitle(), "Control de Datos");
      EXPECT_EQ(form->GetParent(), &p.window);
      EXPECT_FALSE(EnabledOnOpening(p, res::kCmDatos));
      EXPECT_TRUE(EnabledOnOpening(p, res::kCmResultados));

      if (byEsc) {
        QTest::keyClick(formWidget, Qt::Key_Escape);
      } else {
        QTest::mouseClick(framework::testing::ControlOf(*form, framework::IDOK), Qt::LeftButton);
      }
      EXPECT_FALSE(form->IsWindow());
      // Posted, not sent: until the loop delivers it the form is remembered.
      EXPECT_EQ(p.window.TransferDialog, form);
      EXPECT_FALSE(EnabledOnOpening(p, res::kCmDatos));
      QCoreApplication::sendPostedEvents();
      EXPECT_EQ(p.window.TransferDialog, nullptr);
      EXPECT_TRUE(EnabledOnOpening(p, res::kCmDatos));
    }
    // Each "&Datos" built a new form object, and each went with its message.
    EXPECT_TRUE(p.window.GetChildren().empty());

    // "&Exit" with a form open closes the form with the main window.
    Choose(OpenCalculo(p), res::kCmDatos);
    TTransferDialog* open = p.window.TransferDialog;
    ASSERT_NE(open, nullptr);
    ExitThroughTheMenu(p);
    EXPECT_FALSE(open->IsWindow());
    EXPECT_FALSE(p.frame.IsWindow());
  });
  EXPECT_EQ(status, 0);
}

TEST(MainWindow, ClosingTheFrameEndsTheProgram) {
  const int status = RunProgram([&](Program& p) { p.mainWidget.close(); });
  EXPECT_EQ(status, 0);
}

}  // namespace
