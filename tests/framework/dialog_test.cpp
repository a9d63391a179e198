// Dialogs from templates, driven as a person would: typing into filtered and
// limited fields, clicking radio pairs and a sorted list, closing with the
// buttons and Esc, and the transfer of a small packed record both ways.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "compute/cp1252.h"
#include "framework/t_check_box.h"
#include "framework/t_dialog.h"
#include "framework/t_edit.h"
#include "framework/t_list_box.h"
#include "framework/t_validator.h"
#include "framework/testing.h"
#include "tests/framework/modal.h"

namespace {

// A packed record's 32-bit fields may be misaligned: compare copies, never
// bind a reference to the field itself.
template <class T>
T Value(T field) {
  return field;
}

using fotovuelo::cp1252::operator""_cp1252;
using framework::TControlKind;
using framework::testing::ControlOf;
using framework::testing::WidgetOf;
namespace st = framework::style;
namespace ds = framework::dialog_style;

#pragma pack(push, 1)
struct SmallRecord {
  char Name[7];
  std::uint32_t Flag;
  std::uint32_t RadioA;
  std::uint32_t RadioB;
  std::uint32_t RadioC;
  std::uint32_t RadioD;
  framework::TPackedListBoxData Lines;
  char Hemisphere[2];
};
#pragma pack(pop)
static_assert(sizeof(SmallRecord) == 7 + 5 * 4 + sizeof(framework::TPackedListBoxData) + 2);

enum : int {
  kName = 101,
  kFlag,
  kRadioA,
  kRadioB,
  kRadioC,
  kRadioD,
  kLines,
  kHemisphere,
  kNotes,
  kLabel,
  kAdd = 120,
};

constexpr framework::TControlTemplate kControls[] = {
    {kLabel, TControlKind::Static, "&Nombre", {4, 6, 24, 8}, st::kGroup},
    {kName, TControlKind::Edit, "", {30, 4, 40, 12}, st::kBorder | st::kTabStop | st::kGroup},
    {kFlag, TControlKind::CheckBox, "Flag", {4, 20, 60, 12}, st::kAuto | st::kTabStop | st::kGroup},
    {kRadioA,
     TControlKind::RadioButton,
     "A",
     {4, 34, 30, 12},
     st::kAuto | st::kTabStop | st::kGroup},
    {kRadioB, TControlKind::RadioButton, "B", {40, 34, 30, 12}, st::kAuto | st::kTabStop},
    {kRadioC,
     TControlKind::RadioButton,
     "C",
     {4, 48, 30, 12},
     st::kAuto | st::kTabStop | st::kGroup},
    {kRadioD, TControlKind::RadioButton, "D", {40, 48, 30, 12}, st::kAuto | st::kTabStop},
    {kLines,
     TControlKind::ListBox,
     "",
     {4, 62, 100, 60},
     st::kBorder | st::kSort | st::kNotify | st::kGroup},
    {kHemisphere, TControlKind::Edit, "", {80, 4, 10, 12}, st::kBorder | st::kTabStop | st::kGroup},
    {kNotes,
     TControlKind::Edit,
     "",
     {110, 20, 100, 60},
     st::kBorder | st::kMultiline | st::kVScroll | st::kTabStop | st::kGroup},
    {kAdd, TControlKind::PushButton, "Add", {110, 90, 40, 14}, st::kTabStop | st::kGroup},
    {framework::IDOK,
     TControlKind::PushButton,
     "&Close",
     {110, 110, 40, 14},
     st::kDefault | st::kTabStop | st::kGroup},
    {framework::IDCANCEL, TControlKind::PushButton, "Cancel", {160, 110, 40, 14}, st::kTabStop},
};

constexpr framework::TDialogTemplate kTemplate{
    "Prueba", {10, 10, 220, 140}, "Courier", 8, ds::kPopup | ds::kCaption | ds::kSetFont,
    kControls};

class TestDialog : public framework::TDialog {
 public:
  TestDialog(framework::TWindow* parent, SmallRecord& record,
             const framework::TDialogTemplate& tmpl = kTemplate)
      : framework::TDialog(parent, tmpl) {
    Name = new framework::TEdit(this, kName, sizeof record.Name);
    Name->SetValidator(new framework::TFilterValidator("0-9."));
    Flag = new framework::TCheckBox(this, kFlag);
    A = new framework::TRadioButton(this, kRadioA);
    B = new framework::TRadioButton(this, kRadioB);
    C = new framework::TRadioButton(this, kRadioC);
    D = new framework::TRadioButton(this, kRadioD);
    Lines = new framework::TListBox(this, kLines);
    Hemisphere = new framework::TEdit(this, kHemisphere, sizeof record.Hemisphere);
    Hemisphere->SetValidator(new framework::TFilterValidator("S N"));
    Notes = new framework::TEdit(this, kNotes, 12);
    Notes->DisableTransfer();
    SetTransferBuffer(record);
  }

  // Stores first and unconditionally, then closes if the fields agree.
  void CloseWindow(int retVal) override {
    ++closeCalls;
    TransferData(framework::tdGetData);
    framework::TDialog::CloseWindow(retVal);
  }

  framework::TEdit* Name;
  framework::TCheckBox* Flag;
  framework::TRadioButton *A, *B, *C, *D;
  framework::TListBox* Lines;
  framework::TEdit* Hemisphere;
  framework::TEdit* Notes;
  int closeCalls = 0;
  int selectionChanges = 0;

  DECLARE_RESPONSE_TABLE(TestDialog);

 protected:
  void CmAdd() { Lines->AddString(Name->GetText()); }
  void LinesChanged() { ++selectionChanges; }
};

// clang-format off
DEFINE_RESPONSE_TABLE1(TestDialog, framework::TDialog)
  EV_COMMAND(kAdd, CmAdd),
  EV_CHILD_NOTIFY(kLines, framework::LBN_SELCHANGE, LinesChanged),
END_RESPONSE_TABLE;
// clang-format on

class DialogTest : public testing::Test {
 protected:
  void TearDown() override {
    dialog.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QWidget* Control(int id) { return ControlOf(*dialog, id); }
  template <class W>
  W* Control(int id) {
    return qobject_cast<W*>(ControlOf(*dialog, id));
  }
  void Open() {
    dialog = std::make_unique<TestDialog>(nullptr, record);
    ASSERT_TRUE(dialog->Create());
    dialog->ShowWindow(framework::SW_SHOW);
    QApplication::setActiveWindow(WidgetOf(*dialog));
  }
  void ClickListRow(int row) {
    auto* list = Control<QListWidget>(kLines);
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  }
  std::vector<std::string> ListShown() {
    std::vector<std::string> lines;
    for (int i = 0; i < dialog->Lines->GetCount(); ++i)
      lines.push_back(dialog->Lines->GetString(i));
    return lines;
  }

  SmallRecord record{};
  std::unique_ptr<TestDialog> dialog;
};

TEST_F(DialogTest, TransferFillsTheControlsAndStoresWhatTheUserChanged) {
  std::strcpy(record.Name, "12.5");
  record.Flag = framework::BF_CHECKED;
  record.RadioB = framework::BF_CHECKED;
  for (const char* line : {"pera", "Ámbar", "oso", "ñandú", "nube"}) {
    record.Lines->AddString(fotovuelo::cp1252::FromUtf8(line).value());
  }
  record.Lines->Select(3);  // "ñandú"
  record.Lines->Select(0);  // a second selection the list cannot show
  std::strcpy(record.Hemisphere, "S");
  Open();

  // Into the controls: the list sorts its lines, and the selection follows
  // the line the first selected position named.
  EXPECT_EQ(dialog->Name->GetText(), "12.5");
  EXPECT_TRUE(Control<QCheckBox>(kFlag)->isChecked());
  EXPECT_FALSE(Control<QRadioButton>(kRadioA)->isChecked());
  EXPECT_TRUE(Control<QRadioButton>(kRadioB)->isChecked());
  EXPECT_EQ(ListShown(), (std::vector<std::string>{std::string("Ámbar"_cp1252), "nube",
                                                   std::string("ñandú"_cp1252), "oso", "pera"}));
  EXPECT_EQ(dialog->Lines->GetSelIndex(), 2);
  EXPECT_EQ(dialog->Hemisphere->GetText(), "S");
  EXPECT_EQ(dialog->selectionChanges, 0) << "filling the list is not the user's choice";

  // The user's changes.
  auto* name = Control<QLineEdit>(kName);
  name->selectAll();
  QTest::keyClicks(name, "7.25");
  QTest::mouseClick(Control(kFlag), Qt::LeftButton);
  QTest::mouseClick(Control(kRadioA), Qt::LeftButton);
  ClickListRow(4);  // "pera"
  EXPECT_EQ(dialog->selectionChanges, 1);
  QTest::mouseClick(Control(kAdd), Qt::LeftButton);  // "7.25" sorts first
  auto* hemisphere = Control<QLineEdit>(kHemisphere);
  hemisphere->selectAll();
  QTest::keyClicks(hemisphere, "N");
  QTest::mouseClick(Control(framework::IDOK), Qt::LeftButton);

  EXPECT_EQ(dialog->closeCalls, 1);
  EXPECT_FALSE(dialog->IsWindow());
  EXPECT_EQ(dialog->GetResult(), framework::IDOK);
  EXPECT_STREQ(record.Name, "7.25");
  EXPECT_EQ(Value(record.Flag), framework::BF_UNCHECKED);
  EXPECT_EQ(Value(record.RadioA), framework::BF_CHECKED);
  EXPECT_EQ(Value(record.RadioB), framework::BF_UNCHECKED);
  EXPECT_EQ(Value(record.RadioC), framework::BF_UNCHECKED);
  EXPECT_EQ(Value(record.RadioD), framework::BF_UNCHECKED);
  EXPECT_EQ(record.Lines->Strings,
            (std::vector<std::string>{"7.25", std::string("Ámbar"_cp1252), "nube",
                                      std::string("ñandú"_cp1252), "oso", "pera"}));
  EXPECT_EQ(record.Lines->ItemDatas, std::vector<std::uint32_t>(6, 0));
  EXPECT_EQ(record.Lines->SelIndices, std::vector<int>{5});
  EXPECT_STREQ(record.Hemisphere, "N");
}

TEST_F(DialogTest, FieldsRefuseKeystrokesOutsideTheirSetAndBeyondTheirLimit) {
  Open();
  struct Case {
    int id;
    const char* typed;
    const char* shown;
  };
  for (const Case& c : {
           Case{kName, "12a.-5,", "12.5"},       // filter "0-9."
           Case{kName, "1234567890", "123456"},  // field of 7: six characters
           Case{kHemisphere, "sS", "S"},         // filter "S N", one character
           Case{kHemisphere, "-N", "N"},
           Case{kHemisphere, " N", " "},
       }) {
    auto* edit = Control<QLineEdit>(c.id);
    edit->clear();
    QTest::keyClicks(edit, c.typed);
    EXPECT_EQ(edit->text().toStdString(), c.shown) << "typed " << c.typed;
  }
  // A character Windows-1252 cannot hold is refused even without a filter.
  auto* notes = WidgetOf(*dialog->Notes);
  fotovuelo::testing::TypeText(notes, QString::fromUtf8("a\xE2\x82\xAC\xE2\x98\x83"
                                                        "b"));  // a € ☃ b
  EXPECT_EQ(dialog->Notes->GetText(), std::string("a€b"_cp1252));
}

TEST_F(DialogTest, RadioButtonsAreExclusiveWithinTheirTemplateGroupOnly) {
  Open();
  auto state = [&] {
    return std::array<std::uint32_t, 4>{dialog->A->GetCheck(), dialog->B->GetCheck(),
                                        dialog->C->GetCheck(), dialog->D->GetCheck()};
  };
  using S = std::array<std::uint32_t, 4>;
  EXPECT_EQ(state(), (S{0, 0, 0, 0})) << "neither pair chosen";
  QTest::mouseClick(Control(kRadioA), Qt::LeftButton);
  EXPECT_EQ(state(), (S{1, 0, 0, 0}));
  QTest::mouseClick(Control(kRadioB), Qt::LeftButton);
  EXPECT_EQ(state(), (S{0, 1, 0, 0}));
  QTest::mouseClick(Control(kRadioC), Qt::LeftButton);
  EXPECT_EQ(state(), (S{0, 1, 1, 0})) << "the second pair leaves the first alone";
  QTest::mouseClick(Control(kRadioD), Qt::LeftButton);
  EXPECT_EQ(state(), (S{0, 1, 0, 1}));
  QTest::mouseClick(Control(kRadioD), Qt::LeftButton);
  EXPECT_EQ(state(), (S{0, 1, 0, 1})) << "clicking the chosen button keeps it chosen";
  // A program may clear both buttons of a pair, as a record with neither does.
  dialog->B->Uncheck();
  EXPECT_EQ(state(), (S{0, 0, 0, 1}));
}

TEST_F(DialogTest, CloseStoresThenRefusesAnInvalidFieldAndEscClosesWithoutStoring) {
  Open();
  // A paste does not pass through the keystroke filter.
  dialog->Name->SetText("1-2");
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  fotovuelo::testing::OnNextModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  });
  QTest::mouseClick(Control(framework::IDOK), Qt::LeftButton);
  EXPECT_EQ(dialog->closeCalls, 1);
  EXPECT_STREQ(record.Name, "1-2") << "the store comes before the check";
  EXPECT_TRUE(dialog->IsWindow()) << "the form stays open";
  EXPECT_FALSE(title.isEmpty());
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(WidgetOf(*dialog)->focusWidget(), Control(kName));

  dialog->Name->SetText("9");
  QTest::keyClick(WidgetOf(*dialog), Qt::Key_Escape);
  EXPECT_FALSE(dialog->IsWindow());
  EXPECT_EQ(dialog->GetResult(), framework::IDCANCEL);
  EXPECT_EQ(dialog->closeCalls, 1) << "Esc does not call CloseWindow";
  EXPECT_STREQ(record.Name, "1-2") << "Esc stores nothing";
}

TEST_F(DialogTest, LeavingAFieldWithAnInvalidTextReportsItAndReturnsThere) {
  Open();
  dialog->Name->SetFocus();
  dialog->Name->SetText("4,5");
  bool reported = false;
  fotovuelo::testing::OnNextModal([&](QWidget* w) {
    reported = true;
    QTest::keyClick(w, Qt::Key_Escape);
  });
  QTest::mouseClick(Control(kHemisphere), Qt::LeftButton);
  Control(kHemisphere)->setFocus(Qt::MouseFocusReason);
  for (int i = 0; i < 200 && !reported; ++i)
    QTest::qWait(5);
  QTest::qWait(20);
  EXPECT_TRUE(reported);
  EXPECT_EQ(WidgetOf(*dialog)->focusWidget(), Control(kName));
}

TEST_F(DialogTest, MovingToOkOrCancelSkipsTheCheckAndCloseReportsOnce) {
  Open();
  // Every box that opens is counted and closed, so an unexpected one cannot
  // hang the test.
  int boxes = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      ++boxes;
      QTest::keyClick(box, Qt::Key_Escape);
    }
  });
  closer.start(10);

  dialog->Name->SetFocus();
  dialog->Name->SetText("4,5");
  for (const int button : {framework::IDCANCEL, framework::IDOK}) {
    Control(button)->setFocus(Qt::TabFocusReason);
    QTest::qWait(50);
    dialog->Name->SetFocus();
  }
  EXPECT_EQ(boxes, 0) << "the way to OK or Cancel is not checked";

  // "&Close" reports the field once, not also as the field is left.
  QTest::mouseClick(Control(framework::IDOK), Qt::LeftButton);
  QTest::qWait(100);
  EXPECT_EQ(boxes, 1);
  EXPECT_TRUE(dialog->IsWindow());
}

TEST_F(DialogTest, TabFollowsTheTemplateOrderOverTabStops) {
  Open();
  dialog->Name->SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), Control(kName));
  std::vector<int> order;
  for (int i = 0; i < 11; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order.push_back(QApplication::focusWidget()->property("framework_control_id").toInt());
  }
  // The list is no tab stop; the multi-line edit passes Tab on.
  EXPECT_EQ(order, (std::vector<int>{kFlag, kRadioA, kRadioB, kRadioC, kRadioD, kHemisphere, kNotes,
                                     kAdd, framework::IDOK, framework::IDCANCEL, kName}));
}

TEST_F(DialogTest, DialogUnitsComeFromTheCourierFont) {
  Open();
  QWidget* window = WidgetOf(*dialog);
  EXPECT_EQ(QFontInfo(window->font()).family(), "Liberation Mono");
  const QFontMetrics metrics(window->font());
  const int baseX =
      (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) /
      2;
  const int baseY = metrics.height();
  auto px = [](int units, int base, int div) { return (units * base + div / 2) / div; };
  const QRect name = Control(kName)->geometry();
  EXPECT_EQ(name, QRect(px(30, baseX, 4), px(4, baseY, 8), px(40, baseX, 4), px(12, baseY, 8)));
  EXPECT_EQ(window->size(), QSize(px(220, baseX, 4), px(140, baseY, 8)));
  EXPECT_EQ(window->windowTitle(), "Prueba");
}

TEST_F(DialogTest, ModalExecuteReturnsHowTheDialogWasClosed) {
  for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
    TestDialog modal(nullptr, record);
    fotovuelo::testing::OnNextModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key(key)); });
    const int result = modal.Execute();
    EXPECT_EQ(result, key == Qt::Key_Return ? framework::IDOK : framework::IDCANCEL);
    EXPECT_FALSE(modal.IsWindow());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(DialogTest, AControlMissingFromTheTemplateStopsCreation) {
  static constexpr framework::TControlTemplate kFew[] = {
      {kName, TControlKind::Edit, "", {30, 4, 40, 12}, st::kBorder},
  };
  static constexpr framework::TDialogTemplate kShort{"Corto", {0, 0, 100, 40}, "Courier", 8, 0,
                                                     kFew};
  TestDialog broken(nullptr, record, kShort);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(broken.Create());
  EXPECT_EQ(broken.Execute(), -1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("no control 102"), std::string::npos) << err;
  EXPECT_FALSE(broken.IsWindow());

  static constexpr framework::TControlTemplate kWrongKind[] = {
      {kName, TControlKind::CheckBox, "", {30, 4, 40, 12}, 0},
  };
  static constexpr framework::TDialogTemplate kWrong{"Mal", {0, 0, 100, 40}, "Courier", 8,
                                                     0,     kWrongKind};
  framework::TDialog plain(nullptr, kWrong);
  new framework::TEdit(&plain, kName, 4);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(plain.Create());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("not of the kind"), std::string::npos);
}

TEST_F(DialogTest, ATransferBufferTooSmallStopsTheWalkInsteadOfOverrunning) {
  Open();
  std::array<unsigned char, 32> bytes{};
  bytes.fill(0xAB);
  dialog->Name->SetText("42");
  testing::internal::CaptureStderr();
  // Room for the name (7 bytes) and two more, not for the 4-byte check state.
  const std::size_t walked = dialog->Transfer(bytes.data(), 9, framework::tdGetData);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(walked, 7u);
  EXPECT_STREQ(reinterpret_cast<const char*>(bytes.data()), "42");
  for (std::size_t i = 7; i < bytes.size(); ++i)
    EXPECT_EQ(bytes[i], 0xAB) << "byte " << i;
  EXPECT_NE(err.find("transfer stopped"), std::string::npos) << err;
}

TEST_F(DialogTest, ATransferFromAClosedDialogLeavesTheRecordAlone) {
  std::strcpy(record.Name, "12");
  record.RadioC = framework::BF_CHECKED;
  record.Lines->AddString("uno", true);
  Open();
  QTest::keyClick(WidgetOf(*dialog), Qt::Key_Escape);
  ASSERT_FALSE(dialog->IsWindow());
  // As a store asked for after the window went, before its parent heard.
  EXPECT_EQ(dialog->Transfer(record, framework::tdGetData), sizeof record);
  EXPECT_STREQ(record.Name, "12");
  EXPECT_EQ(Value(record.RadioC), framework::BF_CHECKED);
  EXPECT_EQ(record.Lines->Strings, std::vector<std::string>{"uno"});
  EXPECT_EQ(record.Lines->SelIndices, std::vector<int>{0});
}

TEST_F(DialogTest, MultiLineEditInsertsAtTheCaretAndDeletesLines) {
  Open();
  framework::TEdit& notes = *dialog->Notes;
  notes.SetTextLimit(0);
  EXPECT_TRUE(notes.IsMultiLine());
  notes.SetText("report\r\nline 2");
  int start = -1, end = -1;
  notes.GetSelection(start, end);
  EXPECT_EQ(start, 0) << "setting the text leaves the caret at the start";
  notes.Insert("summary\r\n");
  EXPECT_EQ(notes.GetText(), "summary\r\nreport\r\nline 2");
  notes.GetSelection(start, end);
  EXPECT_EQ(start, 9) << "after the insertion, CR LF counted as two";
  EXPECT_EQ(notes.GetNumLines(), 3);
  EXPECT_EQ(notes.GetLine(1), "report");
  char line[4];
  EXPECT_TRUE(notes.GetLine(line, sizeof line, 1));
  EXPECT_STREQ(line, "rep");
  EXPECT_FALSE(notes.GetLine(line, sizeof line, 3));

  EXPECT_TRUE(notes.DeleteLine(0));
  EXPECT_EQ(notes.GetText(), "report\r\nline 2");
  EXPECT_TRUE(notes.DeleteLine(1));
  EXPECT_EQ(notes.GetText(), "report");
  EXPECT_FALSE(notes.DeleteLine(5));

  // The text limit bounds an insertion, a line break costing two.
  notes.SetTextLimit(12);
  notes.SetSelection(6, 6);
  notes.Insert("0123456789");
  EXPECT_EQ(notes.GetText(), "report01234");
  notes.SetText("ab");
  notes.SetSelection(2, 2);
  notes.Insert("\r\n\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(notes.GetText(), "ab\r\n\r\n\r\n\r\n");
  QTest::keyClicks(WidgetOf(notes), "xyz");
  EXPECT_EQ(notes.GetText(), "ab\r\n\r\n\r\n\r\nx") << "typing stops at the limit too";

  // A single-line field's only line.
  dialog->Name->SetText("12");
  EXPECT_EQ(dialog->Name->GetNumLines(), 1);
  EXPECT_TRUE(dialog->Name->DeleteLine(0));
  EXPECT_EQ(dialog->Name->GetText(), "");
}

TEST_F(DialogTest, SortedListUsesSpanishCollationAndKeepsDuplicates) {
  Open();
  framework::TListBox& list = *dialog->Lines;
  list.ClearList();
  for (const char* line : {"oso", "Ámbar", "nube", "ñandú", "abeto", "Nube", "zorro", "oso"}) {
    list.AddString(fotovuelo::cp1252::FromUtf8(line).value());
  }
  std::vector<std::string> shown;
  for (const std::string& s : ListShown())
    shown.push_back(fotovuelo::cp1252::ToUtf8(s));
  EXPECT_EQ(shown, (std::vector<std::string>{"abeto", "Ámbar", "nube", "Nube", "ñandú", "oso",
                                             "oso", "zorro"}));
  EXPECT_EQ(list.GetString(99), "");
  EXPECT_EQ(list.DeleteString(99), -1);
  EXPECT_EQ(list.DeleteString(0), 7);
  EXPECT_EQ(list.SetSelIndex(99), -1);
  EXPECT_EQ(list.GetSelIndex(), -1);
}

// Single-line fields without automatic scrolling hold what their width shows.
// The widths are the data form's: "Mf" (28 units, six digits), "p" (13 units,
// two digits), a hemisphere letter (10 units).
TEST(DialogFieldWidth, NarrowFieldsHoldTheirLimitAndWideTextsAreRefused) {
  static constexpr framework::TControlTemplate kFields[] = {
      {1, TControlKind::Edit, "", {20, 32, 28, 12}, st::kBorder | st::kTabStop},
      {2, TControlKind::Edit, "", {126, 63, 13, 12}, st::kBorder | st::kTabStop},
      {3, TControlKind::Edit, "", {34, 198, 10, 12}, st::kBorder | st::kTabStop},
      {4, TControlKind::Edit, "", {20, 80, 28, 12}, st::kBorder | st::kTabStop},
      {5, TControlKind::Edit, "", {20, 100, 28, 12}, st::kBorder | st::kTabStop | st::kAutoHScroll},
  };
  static constexpr framework::TDialogTemplate kForm{"Anchos", {0, 0, 330, 380}, "Courier", 8,
                                                    0,        kFields};
  framework::TDialog form(nullptr, kForm);
  auto* mf = new framework::TEdit(&form, 1, 7);
  auto* p = new framework::TEdit(&form, 2, 3);
  auto* hemisphere = new framework::TEdit(&form, 3, 2);
  auto* narrow = new framework::TEdit(&form, 4, 80);
  auto* scrolling = new framework::TEdit(&form, 5, 80);
  ASSERT_TRUE(form.Create());
  QTest::keyClicks(WidgetOf(*mf), "1234567");
  QTest::keyClicks(WidgetOf(*p), "123");
  QTest::keyClicks(WidgetOf(*hemisphere), "WW");
  QTest::keyClicks(WidgetOf(*narrow), "1234567890123456");
  QTest::keyClicks(WidgetOf(*scrolling), "1234567890123456");
  EXPECT_EQ(mf->GetText(), "123456");
  EXPECT_EQ(p->GetText(), "12");
  EXPECT_EQ(hemisphere->GetText(), "W");
  EXPECT_LT(narrow->GetTextLen(), 16) << "a field without scrolling stops at its width";
  EXPECT_GE(narrow->GetTextLen(), 6);
  EXPECT_EQ(scrolling->GetText(), "1234567890123456");
  form.Destroy();
}

}  // namespace
