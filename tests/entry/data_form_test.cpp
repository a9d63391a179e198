// The data form driven as a person would: opened from the menu, typed into,
// "Add", "&Calcular", "&Close", Esc, and opened again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "compute/report.h"
#include "entry/t_transfer_dialog.h"
#include "resources/ids.h"
#include "tests/app/program_driver.h"
#include "tests/entry/form_driver.h"
#include "tests/framework/modal.h"

namespace {

using fotovuelo::testing::Click;
using fotovuelo::testing::Control;
using fotovuelo::testing::EnabledOnOpening;
using fotovuelo::testing::Golden;
using fotovuelo::testing::kWorkedFlight;
using fotovuelo::testing::OpenForm;
using fotovuelo::testing::Program;
using fotovuelo::testing::RunProgram;
using fotovuelo::testing::Type;
using fotovuelo::testing::TypeWorkedFlight;
using framework::testing::WidgetOf;
namespace res = fotovuelo::res;

bool Checked(TTransferDialog* form, int id) {
  auto* button = qobject_cast<QAbstractButton*>(Control(form, id));
  return button != nullptr && button->isChecked();
}

std::string Text(TTransferDialog* form, int id) {
  auto* edit = qobject_cast<QLineEdit*>(Control(form, id));
  return edit == nullptr ? std::string("?") : edit->text().toStdString();
}

std::vector<std::string> ListLines(TTransferDialog* form) {
  std::vector<std::string> lines;
  for (int i = 0; i < form->ListBox->GetCount(); ++i)
    lines.push_back(form->ListBox->GetString(i));
  return lines;
}

TEST(DataForm, OpensFilledFromTheRecordsDefaultsAndGreysDatos) {
  RunProgram([&](Program& p) {
    EXPECT_TRUE(EnabledOnOpening(p, res::kCmDatos));
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(WidgetOf(*form)->windowTitle(), "Control de Datos");
    EXPECT_FALSE(EnabledOnOpening(p, res::kCmDatos));
    for (const auto& [id, text] : kWorkedFlight)
      EXPECT_EQ(Text(form, id), "") << id;
    EXPECT_EQ(Text(form, 18), "");
    EXPECT_TRUE(Checked(form, 20));   // Rural
    EXPECT_FALSE(Checked(form, 21));  // Urbano
    EXPECT_FALSE(Checked(form, 22));  // Montañoso
    EXPECT_TRUE(Checked(form, 101));  // Fotogrametría
    EXPECT_FALSE(Checked(form, 102));
    for (const int radio : {106, 107, 114, 115})
      EXPECT_FALSE(Checked(form, radio)) << radio;
    // The six default lines, sorted as a Spanish reader expects: the accented
    // "Ampliación" first, "dl=" among the capitals, not after them.
    EXPECT_EQ(ListLines(form),
              (std::vector<std::string>{"Ampliaci\xF3n hasta 5 veces", "dl=0.05mm",
                                        "Eje de toma vertical", "Formato=SR", "Planialtimetria",
                                        "Restituidor dp=0.002mm"}));
    ASSERT_GE(form->ListBox->GetSelIndex(), 0);
    EXPECT_EQ(form->ListBox->GetString(form->ListBox->GetSelIndex()), "Eje de toma vertical");
    p.mainWidget.close();
  });
}

TEST(DataForm, FieldsTakeOnlyTheirCharactersUpToTheirLimits) {
  RunProgram([&](Program& p) {
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    const struct {
      int id;
      const char* typed;
      const char* kept;
    } cases[] = {
        {10, "1234567", "123456"},     // Mf: six digits
        {10, "", "123456"},            // (unchanged)
        {11, "1a5-2,.4x", "152.4"},    // f: digits and a point, no letter, sign or comma
        {16, "0.0000012", "0.00000"},  // shutter: seven characters
        {12, "123", "12"},             // p: two digits
        {13, "6.5", "65"},             // q: digits only
        {14, "1.55", "1.5"},           // L: three characters
        {35, "59.999", "59.99"},       // latitude seconds: five characters
        {103, "sSN", "S"},             // a small s is refused; one letter
        {104, " W", " "},              // a blank is a letter of its own
        {37, "-40", "40"},             // no minus sign anywhere
        {27, "-100", "100"},
    };
    for (const auto& c : cases) {
      Type(form, c.id, c.typed);
      EXPECT_EQ(Text(form, c.id), c.kept) << c.id << " typed " << c.typed;
    }
    // Every field holds its whole limit.
    for (const fotovuelo::FormFieldInfo& info : fotovuelo::AllFields()) {
      const std::string full(info.width - 1, info.filter == "S N"   ? 'S'
                                             : info.filter == "E W" ? 'E'
                                                                    : '7');
      QLineEdit* edit = qobject_cast<QLineEdit*>(Control(form, info.control));
      ASSERT_NE(edit, nullptr);
      edit->clear();
      QTest::keyClicks(edit, QString::fromStdString(full) + "7");
      EXPECT_EQ(edit->text().toStdString(), full) << info.control;
    }
    // "Dato:" takes anything Windows-1252 holds, 79 characters of it.
    QWidget* dato = Control(form, 18);
    fotovuelo::testing::TypeText(dato, QString::fromUtf8("Cámara RC-30, 15/23 € \u2603ok"));
    EXPECT_EQ(form->ListBoxData->GetText(), "C\xE1mara RC-30, 15/23 \x80 ok");
    form->ListBoxData->Clear();
    QTest::keyClicks(dato, QString(85, QLatin1Char('x')));
    EXPECT_EQ(form->ListBoxData->GetText(), std::string(79, 'x'));
    // A paste passes the same filter as typing.
    QApplication::clipboard()->setText("12-3");
    auto* mf = qobject_cast<QLineEdit*>(Control(form, 10));
    mf->clear();
    mf->paste();
    EXPECT_EQ(Text(form, 10), "");
    QApplication::clipboard()->setText("123");
    mf->paste();
    EXPECT_EQ(Text(form, 10), "123");
    p.mainWidget.close();
  });
}

TEST(DataForm, AddPutsTheLineInItsSortedPlaceAndCountsIt) {
  RunProgram([&](Program& p) {
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    const int before = n;
    Click(form, 19);  // nothing in "Dato:"
    EXPECT_EQ(n, before);
    EXPECT_EQ(form->ListBox->GetCount(), 6);

    Type(form, 18, "Cobertura total");
    Click(form, 19);
    EXPECT_EQ(n, before + 1);
    EXPECT_EQ(Text(form, 18), "") << "\"Dato:\" is emptied";
    EXPECT_EQ(ListLines(form)[1], "Cobertura total");
    Type(form, 18, "Cobertura total");
    Click(form, 19);
    EXPECT_EQ(n, before + 2);
    EXPECT_EQ(ListLines(form)[2], "Cobertura total") << "duplicates are kept";
    Type(form, 18, "\xC3\x89poca: verano");  // "Época" sorts with the E's, before "Eje"
    Click(form, 19);
    const std::vector<std::string> lines = ListLines(form);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[4], "Eje de toma vertical");
    EXPECT_EQ(lines[5], "\xC9poca: verano");
    p.mainWidget.close();
  });
}

TEST(DataForm, CloseStoresEscDoesNotAndReopeningShowsTheLastStore) {
  RunProgram([&](Program& p) {
    TTransferStruct& record = p.window.TransferStruct;
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    Type(form, 10, "15000");
    Type(form, 18, "Zona norte");
    Click(form, 19);  // added to the list
    Type(form, 18, "sin agregar");
    Click(form, 107);  // Hayford
    Click(form, 115);  // Digital
    Click(form, 21);   // Urbano
    Click(form, 101);  // Fotogrametría off
    form->ListBox->SetSelIndex(0);
    Click(form, framework::IDOK);
    EXPECT_FALSE(form->IsWindow());
    EXPECT_STREQ(record.Mf_Edit, "15000");
    EXPECT_STREQ(record.LBDataEdit, "sin agregar");
    // The packed states are read by value: a reference to one may be misaligned.
    const std::vector<std::uint32_t> states = {record.CheckBox2,  record.CheckBox4,
                                               record.WGS84,      record.Hayford,
                                               record.VAnalogico, record.VDigital};
    EXPECT_EQ(states, (std::vector<std::uint32_t>{1, 0, 0, 1, 0, 1}));
    const auto& list = record.ListBoxData.Get();
    ASSERT_EQ(list.Strings.size(), 7u);
    EXPECT_EQ(list.Strings.front(), "Ampliaci\xF3n hasta 5 veces");
    EXPECT_EQ(list.Strings.back(), "Zona norte");
    EXPECT_EQ(list.SelIndices, (std::vector<int>{0}));
    QApplication::processEvents();  // the form's message reaches the main window
    EXPECT_EQ(p.window.TransferDialog, nullptr);
    EXPECT_TRUE(EnabledOnOpening(p, res::kCmDatos));

    // Esc: nothing is stored, though "Add" still counts.
    form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Text(form, 10), "15000");
    EXPECT_EQ(Text(form, 18), "sin agregar");
    EXPECT_TRUE(Checked(form, 107));
    EXPECT_TRUE(Checked(form, 115));
    EXPECT_EQ(form->ListBox->GetSelIndex(), 0);
    const int before = n;
    form->ListBoxData->Clear();
    Type(form, 18, "perdida");
    Click(form, 19);
    Type(form, 10, "9");
    QTest::keyClick(WidgetOf(*form), Qt::Key_Escape);
    EXPECT_FALSE(form->IsWindow());
    EXPECT_EQ(n, before + 1);
    EXPECT_STREQ(record.Mf_Edit, "15000");
    EXPECT_EQ(record.ListBoxData.Get().Strings.size(), 7u);
    QApplication::processEvents();
    EXPECT_TRUE(EnabledOnOpening(p, res::kCmDatos));

    form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ListLines(form).size(), 7u);
    EXPECT_EQ(Text(form, 10), "15000");
    p.mainWidget.close();
  });
}

TEST(DataForm, TabFollowsTheTemplate) {
  RunProgram([&](Program& p) {
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    QWidget* window = WidgetOf(*form);
    Control(form, 101)->setFocus();
    std::vector<int> order = {101};
    for (int k = 0; k < 39; ++k) {
      ASSERT_NE(window->focusWidget(), nullptr);
      QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
      order.push_back(window->focusWidget()->property("framework_control_id").toInt());
    }
    const std::vector<int> expected = {
        101, 102, 10, 11, 111, 112, 12, 13, 14, 15, 16, 17, 38, 37, 36, 35, 34,  33,  32,  103,
        104, 31,  30, 29, 106, 107, 20, 21, 22, 27, 28, 23, 18, 19, 25, 1,  114, 115, 101, 102};
    EXPECT_EQ(order, expected);
    p.mainWidget.close();
  });
}

TEST(DataForm, CalcularReportsTheWorkedFlightAndRefusesWithAMessage) {
  RunProgram([&](Program& p) {
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    TypeWorkedFlight(form);
    std::memset(fotovuelo::buffer_Tesmara, 0, sizeof fotovuelo::buffer_Tesmara);
    Click(form, 25);
    EXPECT_EQ(std::string(fotovuelo::buffer_Tesmara), Golden("worked_flight_wgs84_analog.txt"));
    // The computation read the controls, not the record.
    EXPECT_STREQ(p.window.TransferStruct.Mf_Edit, "");

    const std::string before(fotovuelo::buffer_Tesmara, sizeof fotovuelo::buffer_Tesmara);
    auto* focal = qobject_cast<QLineEdit*>(Control(form, 11));
    focal->clear();
    QTest::keyClicks(focal, "0");
    Control(form, 10)->setFocus();
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    fotovuelo::testing::OnNextModal([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
    Click(form, 25);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_FALSE(title.isEmpty());
    EXPECT_EQ(text, QString::fromUtf8("El dato «f»: debe ser mayor que 0."));
    EXPECT_EQ(WidgetOf(*form)->focusWidget(), focal);
    EXPECT_EQ(std::string(fotovuelo::buffer_Tesmara, sizeof fotovuelo::buffer_Tesmara), before);
    p.mainWidget.close();
  });
}

TEST(DataForm, ScreenshotOfTheWorkedFlight) {
  RunProgram([&](Program& p) {
    TTransferDialog* form = OpenForm(p);
    ASSERT_NE(form, nullptr);
    TypeWorkedFlight(form);
    QWidget* window = WidgetOf(*form);
    EXPECT_LE(window->frameGeometry().width(), 1366);
    EXPECT_LE(window->frameGeometry().height(), 768);
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(FOTOVUELO_SCREENSHOT_DIR)));
    EXPECT_TRUE(window->grab().save(QStringLiteral(FOTOVUELO_SCREENSHOT_DIR "/data_form.png")));
    p.mainWidget.close();
  });
}

}  // namespace
