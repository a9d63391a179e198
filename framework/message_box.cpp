#include "framework/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"

namespace framework {

int MessageBox(TWindow* owner, std::string_view text, std::string_view caption, unsigned flags) {
  QWidget* parent = nullptr;
  if (owner != nullptr && owner->IsWindow())
    parent = owner->GetImpl().widget;

  QMessageBox box(parent);
  box.setWindowTitle(caption.empty() ? QStringLiteral("Error") : detail::ToQt(caption));
  box.setText(detail::ToQtLines(text));
  box.setTextFormat(Qt::PlainText);
  switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP:
      box.setIcon(QMessageBox::Critical);
      break;
    case MB_ICONQUESTION:
      box.setIcon(QMessageBox::Question);
      break;
    case MB_ICONEXCLAMATION:
      box.setIcon(QMessageBox::Warning);
      break;
    case MB_ICONINFORMATION:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }

  struct Choice {
    QMessageBox::StandardButton button;
    int result;
  };
  std::vector<Choice> choices;
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
      choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
      break;
    case MB_YESNOCANCEL:
      choices = {
          {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
      break;
    case MB_YESNO:
      choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
      break;
    default:
      choices = {{QMessageBox::Ok, IDOK}};
      break;
  }
  QMessageBox::StandardButtons buttons;
  for (const Choice& c : choices)
    buttons |= c.button;
  box.setStandardButtons(buttons);
  box.setDefaultButton(choices.front().button);
  // Esc and the close box answer Cancel where there is one, else the only
  // sensible button.
  box.setEscapeButton(choices.back().result == IDCANCEL || choices.size() == 1
                          ? choices.back().button
                          : QMessageBox::NoButton);
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const Choice& c : choices) {
    if (c.button == pressed)
      return c.result;
  }
  return choices.size() == 1 ? choices.front().result : IDCANCEL;
}

}  // namespace framework
