// A seeded monkey in the whole program: random menu commands, key presses,
// pastes and clicks on the data form's controls, with every message box and the
// results dialog closed as they come. After every event the program's
// promises still hold: one form at most, "&Datos" greyed exactly while it is
// open, a record whose texts end inside their fields and hold only what their
// filters let through, a terminated report, and a record that changes only
// on "&Close" or "&Resultados".
//
// FOTOVUELO_MONKEY_SEEDS (e.g. "1,2,3") and FOTOVUELO_MONKEY_EVENTS (events
// per seed) choose the run; a failure names its seed and event, and
// FOTOVUELO_MONKEY_TRACE=1 prints every event on the way.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "compute/char_set.h"
#include "compute/flight_form.h"
#include "compute/report.h"
#include "entry/t_transfer_dialog.h"
#include "resources/ids.h"
#include "tests/app/program_driver.h"
#include "tests/entry/form_driver.h"
#include "tests/framework/modal.h"

namespace {

using fotovuelo::FormField;
using fotovuelo::testing::Program;
using framework::testing::ControlOf;
using framework::testing::WidgetOf;
namespace res = fotovuelo::res;

struct Settings {
  std::vector<unsigned> seeds{1, 2, 3};
  int events = 3000;
};

Settings FromEnvironment() {
  Settings settings;
  if (const char* seeds = std::getenv("FOTOVUELO_MONKEY_SEEDS")) {
    settings.seeds.clear();
    std::stringstream list(seeds);
    for (std::string seed; std::getline(list, seed, ',');)
      settings.seeds.push_back(static_cast<unsigned>(std::stoul(seed)));
  }
  if (const char* events = std::getenv("FOTOVUELO_MONKEY_EVENTS"))
    settings.events = std::stoi(events);
  return settings;
}

// Where each field the computation reads lies in the record.
struct RecordText {
  FormField field;
  std::size_t offset;
};
const RecordText kRecordTexts[] = {
    {FormField::Mf, offsetof(TTransferStruct, Mf_Edit)},
    {FormField::f, offsetof(TTransferStruct, f_Edit)},
    {FormField::LDIMSR, offsetof(TTransferStruct, LDIMSR_Edit)},
    {FormField::ADIMSR, offsetof(TTransferStruct, ADIMSR_Edit)},
    {FormField::P, offsetof(TTransferStruct, P_Edit)},
    {FormField::Q, offsetof(TTransferStruct, Q_Edit)},
    {FormField::L, offsetof(TTransferStruct, L_Edit)},
    {FormField::A, offsetof(TTransferStruct, A_Edit)},
    {FormField::VOBTU, offsetof(TTransferStruct, VOBTU_Edit)},
    {FormField::Vc, offsetof(TTransferStruct, Vc_Edit)},
    {FormField::Vmi, offsetof(TTransferStruct, Vmi_Edit)},
    {FormField::Cotmin, offsetof(TTransferStruct, Cotmin_Edit)},
    {FormField::Cotmax, offsetof(TTransferStruct, Cotmax_Edit)},
    {FormField::Cotmed, offsetof(TTransferStruct, Cotmed_Edit)},
    {FormField::Lat_g, offsetof(TTransferStruct, Edit_Latg)},
    {FormField::Lat_m, offsetof(TTransferStruct, Edit_Latm)},
    {FormField::Lat_s, offsetof(TTransferStruct, Edit_Lats)},
    {FormField::Lon_g, offsetof(TTransferStruct, Edit_Long)},
    {FormField::Lon_m, offsetof(TTransferStruct, Edit_Lonm)},
    {FormField::Lon_s, offsetof(TTransferStruct, Edit_Lons)},
    {FormField::Az_g, offsetof(TTransferStruct, Edit_Azg)},
    {FormField::Az_m, offsetof(TTransferStruct, Edit_Azm)},
    {FormField::Az_s, offsetof(TTransferStruct, Edit_Azs)},
    {FormField::Emis, offsetof(TTransferStruct, Edit_Emis)},
    {FormField::Gree, offsetof(TTransferStruct, Edit_Gree)},
};

// The record as bytes, with the list's data in place of its holder's address.
struct RecordSnapshot {
  std::array<char, sizeof(TTransferStruct)> bytes{};
  framework::TListBoxData list;

  explicit RecordSnapshot(const TTransferStruct& record) : list(record.ListBoxData.Get()) {
    std::memcpy(bytes.data(), &record, sizeof record);
    std::memset(bytes.data() + offsetof(TTransferStruct, ListBoxData), 0,
                sizeof(framework::TPackedListBoxData));
  }
  bool operator==(const RecordSnapshot&) const = default;
};

// The form's controls a person can click: every edit, box and button, with
// "Add" and "&Calcular" listed more than once to be pressed more often.
const int kControls[] = {10, 11, 111, 112, 12,  13,  14,  15,  16, 17, 38, 27, 28, 23,
                         20, 21, 22,  101, 102, 26,  18,  37,  36, 35, 34, 33, 32, 31,
                         30, 29, 103, 104, 106, 107, 114, 115, 19, 25, 25, 25, 19, framework::IDOK};

// Values a person might type, the worked flight's among them, so that
// "&Calcular" both reports and refuses.
const char* const kValues[] = {"0",   "1",     "5",   "10",  "30",      "60",     "99",
                               "150", "152.4", "230", "250", "300",     "15000",  "0.002",
                               "40",  "3",     "89",  "179", "359",     "59.99",  "N",
                               "S",   "E",     "W",   ".",   "9999999", "12.5.3", ""};

class Monkey {
 public:
  Monkey(Program& p, unsigned seed) : p_(p), seed_(seed), random_(seed), closer_(seed ^ 0x5eed) {
    // Every modal window that comes up is answered, by Esc or by its
    // default button, whichever the dice say.
    modals_.setInterval(1);
    QObject::connect(&modals_, &QTimer::timeout, [this] { AnswerModal(); });
    modals_.start();
  }

  void Run(int events) {
    Check("start");
    for (event_ = 1; event_ <= events && !::testing::Test::HasFatalFailure() && failures_ < 5;
         ++event_) {
      const RecordSnapshot before(p_.window.TransferStruct);
      closeClicked_ = false;
      resultsChosen_ = false;
      const std::string what = Step();
      if (trace_) {
        QWidget* focus = QApplication::focusWidget();
        QWidget* popup = QApplication::activePopupWidget();
        std::cerr << "seed " << seed_ << " event " << event_ << ": " << what << " [form "
                  << (p_.window.TransferDialog != nullptr) << ", focus "
                  << (focus ? focus->metaObject()->className() : "none") << ", popup "
                  << (popup ? popup->metaObject()->className() : "none") << "]\n";
      }
      Settle();
      if (!p_.mainWidget.isVisible()) {
        Fail(what, "the program ended");
        return;
      }
      Check(what);
      if (!(RecordSnapshot(p_.window.TransferStruct) == before) && !closeClicked_ &&
          !resultsChosen_) {
        Fail(what, "the record changed without \"&Close\" or \"&Resultados\"");
      }
    }
  }

  int modalsAnswered = 0;
  int formsOpened = 0;
  int calcularPressed = 0;
  int refusals = 0;
  int reportsWritten = 0;  // distinct reports, one after the other

 private:
  // One random event; says what it was.
  std::string Step() {
    TTransferDialog* form = p_.window.TransferDialog;
    const int roll = Pick(100);
    if (roll < 12 || (form == nullptr && roll < 40))
      return MenuCommand();
    if (roll < 55)
      return KeyPress();
    if (form == nullptr)
      return KeyPress();
    if (roll < 80)
      return ClickControl(form);
    if (roll < 96)
      return TypeValue(form);
    if (roll < 98) {
      for (const auto& [id, text] : fotovuelo::testing::kWorkedFlight)
        Retype(form, id, text);
      fotovuelo::testing::Click(form, 106);
      fotovuelo::testing::Click(form, 114);
      return "typed the worked flight";
    }
    WidgetOf(*form)->close();
    return "closed the form's window";
  }

  std::string MenuCommand() {
    const int roll = Pick(20);
    if (roll < 2) {
      QAction* about = p_.rightBar->actions().value(0);
      QTest::mouseClick(p_.rightBar, Qt::LeftButton, {},
                        p_.rightBar->actionGeometry(about).center());
      return "About...";
    }
    const int command = roll < 12 ? res::kCmDatos : res::kCmResultados;
    const bool hadForm = p_.window.TransferDialog != nullptr;
    QMenu* menu = fotovuelo::testing::OpenCalculo(p_);
    if (menu == nullptr)
      return "no menu";
    QAction* action = fotovuelo::testing::ActionWithCommand(*menu, command);
    resultsChosen_ = command == res::kCmResultados && action->isEnabled();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    if (menu->isVisible())  // a greyed item leaves its menu open
      menu->hide();
    if (command == res::kCmDatos && !hadForm && p_.window.TransferDialog != nullptr)
      ++formsOpened;
    return command == res::kCmDatos ? "&Datos" : "&Resultados";
  }

  std::string KeyPress() {
    // The keyboard goes to the focus of the active window. Without a window
    // manager nothing gives the activation back when a pop-up or a box goes
    // away, so the last window the person used is made active again, as a
    // desktop would.
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr || !active->isVisible()) {
      TTransferDialog* form = p_.window.TransferDialog;
      active = form != nullptr ? WidgetOf(*form) : &p_.mainWidget;
      active->activateWindow();
      QApplication::setActiveWindow(active);
    }
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || !target->isVisible() || target->window() != active)
      target = active;
    WatchClose();
    const int roll = Pick(100);
    if (roll < 8) {
      QTest::keyClick(target, Qt::Key_Escape);
      return "Esc";
    }
    if (roll < 16) {
      QTest::keyClick(target, Pick(2) == 0 ? Qt::Key_Return : Qt::Key_Enter);
      return "Enter";
    }
    if (roll < 30) {
      QTest::keyClick(target, Qt::Key_Tab, Pick(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
      return "Tab";
    }
    if (roll < 34) {
      QTest::keyClick(target, Qt::Key_Space);
      return "Space";
    }
    if (roll < 40) {
      QTest::keyClick(target, Qt::Key_Backspace);
      return "Backspace";
    }
    if (roll < 44) {
      // Pasted text meets the same filter and limit as typed text.
      static const char* const kClipboard[] = {
          "123456789012345678901234567890",     "-40",   "1e5", "40.5.3", "S", "W", "N\nS", "\t7",
          "Zona \xC3\xB1\xC3\xA1 \xE4\xB8\xAD", "0.002", ""};
      const char* text = kClipboard[Pick(std::size(kClipboard))];
      QApplication::clipboard()->setText(QString::fromUtf8(text));
      QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
      return "pasted '" + std::string(text) + "'";
    }
    static const QString kAccented = QString::fromUtf8("áéíóúñÑÁØüç€őł中");
    if (roll < 50) {
      const QString ch = kAccented.mid(Pick(kAccented.size()), 1);
      fotovuelo::testing::TypeText(target, ch);
      return "accented " + ch.toStdString();
    }
    static const char kPlain[] = "0123456789-.SNEWsnewabcxyzABCZ ";
    const char ch = kPlain[Pick(sizeof kPlain - 1)];
    QTest::keyClick(target, ch);
    return std::string("key '") + ch + "'";
  }

  std::string ClickControl(TTransferDialog* form) {
    const int id = kControls[Pick(std::size(kControls))];
    QWidget* control = ControlOf(*form, id);
    if (control == nullptr)
      return "no control " + std::to_string(id);
    WatchClose();
    QTest::mouseClick(control, Qt::LeftButton);
    return "click " + std::to_string(id);
  }

  std::string TypeValue(TTransferDialog* form) {
    const auto& fields = fotovuelo::AllFields();
    const bool dato = Pick(10) == 0;
    const int id = dato ? 18 : fields[Pick(fields.size())].control;
    const char* value = kValues[Pick(std::size(kValues))];
    Retype(form, id, value);
    return "typed '" + std::string(value) + "' into " + std::to_string(id);
  }

  // Clicks into an edit, selects all it holds and types over it.
  static void Retype(TTransferDialog* form, int id, const char* value) {
    auto* edit = qobject_cast<QLineEdit*>(ControlOf(*form, id));
    if (edit == nullptr || !edit->isVisible())
      return;
    QTest::mouseClick(edit, Qt::LeftButton);
    if (!edit->isVisible())  // a box about the field left before may have closed the form
      return;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, value);
  }

  // Notes whether "&Close" was pressed, by whatever means, during the event.
  // Also counts the presses of "&Calcular".
  void WatchClose() {
    TTransferDialog* form = p_.window.TransferDialog;
    if (form == nullptr)
      return;
    auto* close = qobject_cast<QAbstractButton*>(ControlOf(*form, framework::IDOK));
    if (close != nullptr && close != watched_) {
      watched_ = close;
      QObject::connect(close, &QAbstractButton::pressed, [this] { closeClicked_ = true; });
      QObject::connect(close, &QAbstractButton::clicked, [this] { closeClicked_ = true; });
      auto* calcular = qobject_cast<QAbstractButton*>(ControlOf(*form, 25));
      if (calcular != nullptr)
        QObject::connect(calcular, &QAbstractButton::clicked, [this] { ++calcularPressed; });
    }
  }

  void AnswerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || answering_)
      return;
    answering_ = true;
    ++modalsAnswered;
    if (modal->windowTitle() == "No se puede calcular el vuelo")
      ++refusals;
    if (closer_() % 2 == 0) {
      QTest::keyClick(modal, Qt::Key_Escape);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      QAbstractButton* button = box->defaultButton();
      if (button == nullptr && !box->buttons().isEmpty())
        button = box->buttons().front();
      if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
      QWidget* ok = nullptr;
      for (auto* button : modal->findChildren<QAbstractButton*>()) {
        if (button->text() == "Ok")
          ok = button;
      }
      if (ok != nullptr)
        QTest::mouseClick(ok, Qt::LeftButton);
      else
        QTest::keyClick(modal, Qt::Key_Escape);
    }
    answering_ = false;
  }

  // Lets posted messages and deferred deletions run, as the message loop
  // would between two things a person does.
  static void Settle() {
    for (int i = 0; i < 3; ++i) {
      QApplication::processEvents();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

  void Check(const std::string& what) {
    // One form at most, and the window's pointer knows it.
    int forms = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<QDialog*>(w) != nullptr && w->isVisible() &&
          w->windowTitle() == "Control de Datos") {
        ++forms;
      }
    }
    TTransferDialog* form = p_.window.TransferDialog;
    if (forms > 1)
      Fail(what, std::to_string(forms) + " forms are open");
    if ((form != nullptr) != (forms == 1))
      Fail(what, "the window's form pointer and the open forms disagree (" + std::to_string(forms) +
                     " open, pointer " +
                     (form == nullptr    ? "null"
                      : form->IsWindow() ? "to a window"
                                         : "to no window") +
                     ")");

    // "&Datos" as the menu would show it now.
    QMenu* calculo = p_.bar.actions().value(0)->menu();
    emit calculo->aboutToShow();
    const QAction* datos = fotovuelo::testing::ActionWithCommand(*calculo, res::kCmDatos);
    if (datos->isEnabled() != (form == nullptr))
      Fail(what, form == nullptr ? "\"&Datos\" is greyed with no form open"
                                 : "\"&Datos\" is enabled while a form is open");

    // The record's texts.
    const auto* record = reinterpret_cast<const char*>(&p_.window.TransferStruct);
    for (const RecordText& text : kRecordTexts) {
      const fotovuelo::FormFieldInfo& info = fotovuelo::FieldInfo(text.field);
      const char* field = record + text.offset;
      const void* end = std::memchr(field, '\0', info.width);
      if (end == nullptr) {
        Fail(what, "field " + std::string(info.english) + " is not terminated");
        continue;
      }
      const fotovuelo::CharSet accepted(info.filter);
      for (const char* c = field; c != end; ++c) {
        if (!accepted.Has(*c))
          Fail(what,
               "field " + std::string(info.english) + " holds a character its filter refuses");
      }
    }
    if (std::memchr(p_.window.TransferStruct.LBDataEdit, '\0', 80) == nullptr)
      Fail(what, "\"Dato:\" is not terminated");
    const std::uint32_t states[] = {
        p_.window.TransferStruct.CheckBox1, p_.window.TransferStruct.CheckBox2,
        p_.window.TransferStruct.CheckBox3, p_.window.TransferStruct.CheckBox4,
        p_.window.TransferStruct.CheckBox5, p_.window.TransferStruct.WGS84,
        p_.window.TransferStruct.Hayford,   p_.window.TransferStruct.VAnalogico,
        p_.window.TransferStruct.VDigital};
    for (const std::uint32_t state : states) {
      if (state > 1)
        Fail(what, "a check state is neither 0 nor 1");
    }

    // The report.
    if (std::memchr(fotovuelo::buffer_Tesmara, '\0', 30000) == nullptr)
      Fail(what, "the report is not terminated within its first 30000 characters");
    if (std::memcmp(report_.data(), fotovuelo::buffer_Tesmara, report_.size()) != 0) {
      ++reportsWritten;
      std::memcpy(report_.data(), fotovuelo::buffer_Tesmara, report_.size());
    }
  }

  void Fail(const std::string& what, const std::string& broken) {
    ++failures_;
    ADD_FAILURE() << "seed " << seed_ << ", event " << event_ << " (" << what << "): " << broken;
  }

  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  int Pick(int n) { return static_cast<int>(Pick(static_cast<std::size_t>(n))); }
  int Pick(qsizetype n) { return static_cast<int>(Pick(static_cast<std::size_t>(n))); }

  Program& p_;
  unsigned seed_;
  std::mt19937 random_;
  std::mt19937 closer_;
  QTimer modals_;
  bool answering_ = false;
  bool trace_ = std::getenv("FOTOVUELO_MONKEY_TRACE") != nullptr;
  int event_ = 0;
  int failures_ = 0;
  bool closeClicked_ = false;
  bool resultsChosen_ = false;
  QPointer<QAbstractButton> watched_;
  std::array<char, 30000> report_{};
};

TEST(Monkey, RandomEventsKeepTheProgramsPromises) {
  const Settings settings = FromEnvironment();
  for (const unsigned seed : settings.seeds) {
    std::ostringstream summary;
    const int status = fotovuelo::testing::RunProgram(
        [&](Program& p) {
          Monkey monkey(p, seed);
          monkey.Run(settings.events);
          summary << "seed " << seed << ": " << settings.events << " events, " << monkey.formsOpened
                  << " forms opened, " << monkey.calcularPressed << " \"&Calcular\" ("
                  << monkey.refusals << " refused, " << monkey.reportsWritten << " new reports), "
                  << monkey.modalsAnswered << " modal windows answered";
          p.mainWidget.close();
        },
        0);
    EXPECT_EQ(status, 0) << "seed " << seed;
    std::cout << summary.str() << std::endl;
  }
}

}  // namespace
