#include "framework/t_edit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstring>

#include "framework/detail/edit_widgets.h"
#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"

namespace framework {

namespace {

// The toolkit's own ceiling for a line edit with no limit of ours.
constexpr int kUnlimitedLine = 32767;

detail::LineEdit* LineOf(const TWindow& w) {
  return dynamic_cast<detail::LineEdit*>(w.GetImpl().widget.data());
}
detail::TextEdit* TextOf(const TWindow& w) {
  return dynamic_cast<detail::TextEdit*>(w.GetImpl().widget.data());
}

// Positions count CR LF as two characters; the toolkit counts one LF.
int ToCp1252Position(const QString& text, int position) {
  position = std::clamp(position, 0, static_cast<int>(text.size()));
  return position + static_cast<int>(text.left(position).count(QLatin1Char('\n')));
}
int FromCp1252Position(const QString& text, int position) {
  int counted = 0;
  for (int i = 0; i < text.size(); ++i) {
    const int cost = text[i] == u'\n' ? 2 : 1;
    if (counted + cost > position)
      return i;
    counted += cost;
  }
  return static_cast<int>(text.size());
}

}  // namespace

TEdit::TEdit(TWindow* parent, int resourceId, unsigned textLimit, const TModule* module)
    : TControl(parent, resourceId, module), textLimit_(textLimit) {
  if (textLimit_ > 0)
    EnableTransfer();
}

TEdit::~TEdit() = default;

bool TEdit::IsMultiLine() const {
  return TextOf(*this) != nullptr;
}

void TEdit::SetupWindow() {
  TControl::SetupWindow();
  SetTextLimit(textLimit_);
}

std::string TEdit::GetText() const {
  if (const auto* line = LineOf(*this))
    return detail::FromQt(line->text());
  if (const auto* text = TextOf(*this))
    return detail::FromQtLines(text->toPlainText());
  return {};
}

int TEdit::GetText(char* str, int maxChars) const {
  if (str == nullptr || maxChars <= 0)
    return 0;
  const std::string text = GetText();
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(maxChars - 1));
  std::memcpy(str, text.data(), n);
  str[n] = '\0';
  return static_cast<int>(n);
}

int TEdit::GetTextLen() const {
  return static_cast<int>(GetText().size());
}

void TEdit::SetText(std::string_view text) {
  if (auto* line = LineOf(*this)) {
    line->setText(detail::ToQt(text));
    line->setCursorPosition(0);
  } else if (auto* edit = TextOf(*this)) {
    edit->setPlainText(detail::ToQtLines(text));
    edit->moveCursor(QTextCursor::Start);
  }
}

void TEdit::Clear() {
  SetText({});
}

void TEdit::Insert(std::string_view text) {
  if (auto* line = LineOf(*this)) {
    line->insert(detail::ToQt(text));
  } else if (auto* edit = TextOf(*this)) {
    edit->insertPlainText(edit->Fitting(detail::ToQtLines(text)));
  }
}

void TEdit::GetSelection(int& start, int& end) const {
  start = end = 0;
  if (const auto* line = LineOf(*this)) {
    if (line->hasSelectedText()) {
      start = line->selectionStart();
      end = start + static_cast<int>(line->selectedText().size());
    } else {
      start = end = line->cursorPosition();
    }
  } else if (const auto* edit = TextOf(*this)) {
    const QString all = edit->toPlainText();
    const QTextCursor cursor = edit->textCursor();
    start = ToCp1252Position(all, cursor.selectionStart());
    end = ToCp1252Position(all, cursor.selectionEnd());
  }
}

void TEdit::SetSelection(int start, int end) {
  if (auto* line = LineOf(*this)) {
    const int size = static_cast<int>(line->text().size());
    start = std::clamp(start, 0, size);
    end = std::clamp(end, 0, size);
    line->setSelection(start, end - start);
  } else if (auto* edit = TextOf(*this)) {
    const QString all = edit->toPlainText();
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(FromCp1252Position(all, start));
    cursor.setPosition(FromCp1252Position(all, end), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
  }
}

int TEdit::GetNumLines() const {
  if (LineOf(*this) != nullptr)
    return 1;
  if (const auto* edit = TextOf(*this))
    return edit->document()->blockCount();
  return 0;
}

std::string TEdit::GetLine(int lineNumber) const {
  if (const auto* line = LineOf(*this)) {
    return lineNumber == 0 ? detail::FromQt(line->text()) : std::string();
  }
  if (const auto* edit = TextOf(*this)) {
    const QTextBlock block = edit->document()->findBlockByNumber(lineNumber);
    if (block.isValid())
      return detail::FromQt(block.text());
  }
  return {};
}

int TEdit::GetLineLength(int lineNumber) const {
  return static_cast<int>(GetLine(lineNumber).size());
}

bool TEdit::GetLine(char* str, int strSize, int lineNumber) const {
  if (str == nullptr || strSize <= 0)
    return false;
  str[0] = '\0';
  if (lineNumber < 0 || lineNumber >= GetNumLines())
    return false;
  const std::string text = GetLine(lineNumber);
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(strSize - 1));
  std::memcpy(str, text.data(), n);
  str[n] = '\0';
  return true;
}

bool TEdit::DeleteLine(int lineNumber) {
  if (auto* line = LineOf(*this)) {
    if (lineNumber != 0)
      return false;
    line->clear();
    return true;
  }
  auto* edit = TextOf(*this);
  if (edit == nullptr)
    return false;
  const QTextBlock block = edit->document()->findBlockByNumber(lineNumber);
  if (!block.isValid())
    return false;
  QTextCursor cursor(edit->document());
  const QTextBlock next = block.next();
  if (next.isValid()) {
    cursor.setPosition(block.position());
    cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
  } else if (block.previous().isValid()) {
    const QTextBlock previous = block.previous();
    cursor.setPosition(previous.position() + previous.length() - 1);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  } else {
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  }
  cursor.removeSelectedText();
  return true;
}

unsigned TEdit::GetTextLimit() const {
  return textLimit_;
}

void TEdit::SetTextLimit(unsigned textLimit) {
  textLimit_ = textLimit;
  if (auto* line = LineOf(*this)) {
    line->setMaxLength(textLimit_ > 0 ? static_cast<int>(textLimit_) - 1 : kUnlimitedLine);
  } else if (auto* edit = TextOf(*this)) {
    edit->SetLimit(static_cast<int>(textLimit_));
  }
}

void TEdit::SetValidator(TValidator* validator) {
  validator_.reset(validator);
}

TValidator* TEdit::GetValidator() const {
  return validator_.get();
}

bool TEdit::IsValidInput(std::string_view text) const {
  return validator_ == nullptr || validator_->IsValidInput(text);
}

bool TEdit::IsValid(bool reportError) {
  if (validator_ == nullptr || !IsWindow())
    return true;
  const std::string text = GetText();
  if (validator_->IsValid(text))
    return true;
  if (reportError) {
    validator_->Error(GetParent() != nullptr ? GetParent() : this, text);
    SetFocus();
    if (auto* line = LineOf(*this))
      line->selectAll();
  }
  return false;
}

bool TEdit::CanClose() {
  return IsValid(true);
}

std::size_t TEdit::TransferSize() const {
  return textLimit_;
}

std::size_t TEdit::Transfer(void* buffer, std::size_t size, TTransferDirection direction) {
  if (buffer == nullptr || textLimit_ == 0 || size < textLimit_)
    return 0;
  // A control without a window has nothing to give or show: its field stays.
  if (!IsWindow())
    return textLimit_;
  char* field = static_cast<char*>(buffer);
  if (direction == tdGetData) {
    GetText(field, static_cast<int>(textLimit_));
  } else {
    // A field without its terminator yields no more than the field's width
    // less one, as a terminated one would.
    const std::size_t length = strnlen(field, textLimit_ - 1);
    SetText(std::string_view(field, length));
  }
  return textLimit_;
}

}  // namespace framework
