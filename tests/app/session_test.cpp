// A long working session: the data form opened and closed 200 times with a
// computation each time. In the sanitizer build LeakSanitizer checks, as the
// process ends, that nothing of it was left behind; the test prints the
// process's memory before and after (FOTOVUELO_SESSION_CYCLES changes the
// count, 0 for a program that only starts and ends).
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "compute/report.h"
#include "entry/t_transfer_dialog.h"
#include "resources/ids.h"
#include "tests/app/program_driver.h"
#include "tests/entry/form_driver.h"

namespace {

using fotovuelo::testing::Click;
using fotovuelo::testing::OpenForm;
using fotovuelo::testing::Program;
using framework::testing::WidgetOf;

// "VmRSS" or "VmHWM" of this process, in kB.
long MemoryKb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(key + ":"))
      return std::stol(line.substr(key.size() + 1));
  }
  return -1;
}

int Cycles() {
  const char* cycles = std::getenv("FOTOVUELO_SESSION_CYCLES");
  return cycles != nullptr ? std::atoi(cycles) : 200;
}

TEST(Session, TwoHundredFormsAndComputationsLeaveNothingBehind) {
  const int cycles = Cycles();
  long rssStart = 0, rssEnd = 0, peakEnd = 0;
  const int status = fotovuelo::testing::RunProgram(
      [&](Program& p) {
        rssStart = MemoryKb("VmRSS");
        const int added = n;
        for (int i = 0; i < cycles; ++i) {
          TTransferDialog* form = OpenForm(p);
          ASSERT_NE(form, nullptr) << i;
          if (i == 0) {
            fotovuelo::testing::TypeWorkedFlight(form);
            Click(form, framework::IDOK);  // stored, so every later form opens with it
            QApplication::processEvents();
            form = OpenForm(p);
            ASSERT_NE(form, nullptr);
          }
          fotovuelo::buffer_Tesmara[0] = '\0';
          Click(form, 25);  // "&Calcular"
          ASSERT_EQ(std::string(fotovuelo::buffer_Tesmara),
                    fotovuelo::testing::Golden("worked_flight_wgs84_analog.txt"))
              << i;
          // Both ways out: "&Close" stores, Esc does not.
          if (i % 2 == 0)
            Click(form, framework::IDOK);
          else
            QTest::keyClick(WidgetOf(*form), Qt::Key_Escape);
          ASSERT_FALSE(form->IsWindow()) << i;
          QApplication::processEvents();
          QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
          ASSERT_EQ(p.window.TransferDialog, nullptr) << i;
        }
        EXPECT_EQ(n, added);
        // A closed form's object goes once its message arrives; none piles up.
        EXPECT_TRUE(p.window.GetChildren().empty()) << p.window.GetChildren().size();
        rssEnd = MemoryKb("VmRSS");
        peakEnd = MemoryKb("VmHWM");
        p.mainWidget.close();
      },
      0);
  EXPECT_EQ(status, 0);
  std::cout << cycles << " forms opened and closed, " << cycles << " computations: resident memory "
            << rssStart << " kB at the start, " << rssEnd << " kB after, peak " << peakEnd << " kB"
            << std::endl;
}

}  // namespace
