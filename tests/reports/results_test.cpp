// "&Resultados" as a person sees it: the text of the results dialog, read
// from its field and turned back into Windows-1252 with CR LF.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "compute/cp1252.h"
#include "compute/report.h"
#include "entry/t_transfer_dialog.h"
#include "resources/ids.h"
#include "tests/app/program_driver.h"
#include "tests/entry/form_driver.h"
#include "tests/framework/modal.h"

namespace {

using fotovuelo::testing::Choose;
using fotovuelo::testing::Click;
using fotovuelo::testing::Golden;
using fotovuelo::testing::OpenCalculo;
using fotovuelo::testing::OpenForm;
using fotovuelo::testing::Program;
using fotovuelo::testing::RunProgram;
using fotovuelo::testing::Type;
using fotovuelo::testing::TypeWorkedFlight;
using framework::testing::ControlOf;
using framework::testing::WidgetOf;
namespace res = fotovuelo::res;

// What the results dialog shows, as Windows-1252 with CR LF; the dialog is
// closed with "Ok". `look` may inspect the dialog first.
struct Shown {
  std::string text;
  QString title;
};
Shown Resultados(Program& p, const std::function<void(QWidget*)>& look = {}) {
  Shown shown;
  fotovuelo::testing::OnNextModal([&](QWidget* dialog) {
    shown.title = dialog->windowTitle();
    auto* field = dialog->findChild<QPlainTextEdit*>();
    ASSERT_NE(field, nullptr);
    QString text = field->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const auto bytes = fotovuelo::cp1252::FromUtf8(text.toStdString());
    ASSERT_TRUE(bytes.has_value());
    shown.text = *bytes;
    if (look)
      look(dialog);
    auto* ok = dialog->findChild<QAbstractButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "Ok");
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  Choose(OpenCalculo(p), res::kCmResultados);
  return shown;
}

void ClearReport() {
  std::memset(fotovuelo::buffer_Tesmara, 0, sizeof fotovuelo::buffer_Tesmara);
}

TEST(Resultados, DefaultsBeforeAnyComputation) {
  ClearReport();
  RunProgram([&](Program& p) {
    const Shown shown = Resultados(p);
    EXPECT_EQ(shown.title, "Resultados");
    EXPECT_EQ(shown.text, Golden("summary_defaults.txt"));
    EXPECT_EQ(shown.text.find("Altura de vuelo"), std::string::npos) << "no report yet";
    p.mainWidget.close();
  });
}

TEST(Resultados, WorkedFlightSummaryThenReport) {
  ClearReport();
  RunProgram([&](Program& p) {
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    TypeWorkedFlight(form);
    Click(form, 25);               // "&Calcular"
    Click(form, framework::IDOK);  // "&Close"
    QApplication::processEvents();
    const Shown shown = Resultados(p, [](QWidget* dialog) {
      // Long lines wrap; the text scrolls and can be selected and copied.
      auto* field = dialog->findChild<QPlainTextEdit*>();
      EXPECT_EQ(field->lineWrapMode(), QPlainTextEdit::WidgetWidth);
      EXPECT_FALSE(field->isReadOnly());
      EXPECT_GT(field->verticalScrollBar()->maximum(), 0);
      ASSERT_TRUE(QDir().mkpath(QStringLiteral(FOTOVUELO_SCREENSHOT_DIR)));
      EXPECT_TRUE(dialog->grab().save(QStringLiteral(FOTOVUELO_SCREENSHOT_DIR "/results.png")));
      field->verticalScrollBar()->setValue(field->verticalScrollBar()->maximum());
      EXPECT_TRUE(
          dialog->grab().save(QStringLiteral(FOTOVUELO_SCREENSHOT_DIR "/results_report.png")));
      field->selectAll();
      field->copy();
      EXPECT_EQ(QApplication::clipboard()->text(), field->toPlainText());
    });
    const std::string expected = Golden("results_worked_flight.txt");
    EXPECT_EQ(shown.text, expected);
    // The dialog holds the summary, then the report of "&Calcular" whole.
    const std::string report = Golden("worked_flight_wgs84_analog.txt");
    ASSERT_GE(shown.text.size(), report.size());
    EXPECT_EQ(shown.text.substr(shown.text.size() - report.size()), report);
    p.mainWidget.close();
  });
}

TEST(Resultados, OpenFormIsStoredFirstAndNewDataStandsAboveTheOldReport) {
  ClearReport();
  RunProgram([&](Program& p) {
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    TypeWorkedFlight(form);
    Click(form, 25);
    const std::string report(fotovuelo::buffer_Tesmara);
    // Changed after "&Calcular", not stored, and the form stays open.
    auto* scale = qobject_cast<QLineEdit*>(ControlOf(*form, 10));
    scale->clear();
    QTest::keyClicks(scale, "20000");
    Type(form, 18, "pendiente");
    const Shown shown = Resultados(p);
    EXPECT_NE(shown.text.find("Escala del fotograma = 1/20000\r\n"), std::string::npos);
    EXPECT_EQ(shown.text.substr(shown.text.size() - report.size()), report)
        << "the report is the one of the last \"&Calcular\", for 1/15000";
    EXPECT_NE(report.find("Altura de vuelo sobre el terreno m = 2286"), std::string::npos);
    // The edits reached the record and stay there.
    EXPECT_STREQ(p.window.TransferStruct.Mf_Edit, "20000");
    EXPECT_STREQ(p.window.TransferStruct.LBDataEdit, "pendiente");
    EXPECT_TRUE(form->IsWindow());
    // Text standing in "Dato:" closes the summary with two lines.
    const std::string tail = "String from Edit control for ListBox data:\r\n    pendiente\r\n";
    const std::size_t summary_end = shown.text.size() - report.size();
    EXPECT_EQ(shown.text.substr(summary_end - tail.size(), tail.size()), tail);
    p.mainWidget.close();
  });
}

TEST(Resultados, EmptyListLeavesOutItsBlockAndAddedLinesAreAllListed) {
  ClearReport();
  RunProgram([&](Program& p) {
    p.window.TransferStruct.ListBoxData.Get().Strings.clear();
    p.window.TransferStruct.ListBoxData.Get().ItemDatas.clear();
    p.window.TransferStruct.ListBoxData.Get().SelIndices.clear();
    Shown shown = Resultados(p);
    EXPECT_EQ(shown.text.find("Elementos"), std::string::npos);
    EXPECT_EQ(shown.text.substr(shown.text.size() - 6), "\r\n\r\n\r\n");

    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    for (const char* line : {"uno", "dos", "tres"}) {
      Type(form, 18, line);
      Click(form, 19);
    }
    Click(form, framework::IDOK);
    QApplication::processEvents();
    shown = Resultados(p);
    // Every line, the last one too, in the record's (sorted) order.
    EXPECT_NE(shown.text.find("Elementos :\r\n    dos\r\n    tres\r\n    uno\r\n\r\n"),
              std::string::npos);
    p.mainWidget.close();
  });
}

}  // namespace
