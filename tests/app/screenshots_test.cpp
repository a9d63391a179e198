// Writes PNG pictures of the main window, the About box and the two icons
// under the build tree (screenshots/), for people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>

#include "resources/module.h"
#include "tests/app/program_driver.h"
#include "tests/framework/modal.h"

namespace {

using fotovuelo::testing::Program;

QString ShotPath(const char* name) {
  return QDir(QStringLiteral(FOTOVUELO_SCREENSHOT_DIR)).filePath(QString::fromLatin1(name));
}

TEST(Screenshots, MainWindowAboutBoxAndIcons) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral(FOTOVUELO_SCREENSHOT_DIR)));
  fotovuelo::testing::RunProgram([&](Program& p) {
    EXPECT_TRUE(p.mainWidget.grab().save(ShotPath("main_window.png")));
    fotovuelo::testing::OnNextModal([&](QWidget* box) {
      EXPECT_TRUE(box->grab().save(ShotPath("about_box.png")));
      QTest::keyClick(box, Qt::Key_Escape);
    });
    QAction* about = p.rightBar->actions().value(0);
    QTest::mouseClick(p.rightBar, Qt::LeftButton, {}, p.rightBar->actionGeometry(about).center());
    p.mainWidget.close();
  });
  int n = 1;
  for (const framework::TIconTemplate* icon :
       {&fotovuelo::res::ProgramIcon(), &fotovuelo::res::FrameIcon()}) {
    const QPixmap pixmap(icon->xpm.data());
    ASSERT_EQ(pixmap.size(), QSize(32, 32));
    // Eight times larger, pixel for pixel, so the picture can be judged.
    const QImage large =
        pixmap.toImage().scaled(256, 256, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_TRUE(large.save(ShotPath(n == 1 ? "icon_1.png" : "icon_2.png")));
    ++n;
  }
  for (const char* name : {"main_window.png", "about_box.png", "icon_1.png", "icon_2.png"}) {
    EXPECT_TRUE(QFileInfo::exists(ShotPath(name))) << name;
  }
}

}  // namespace
