// An edit control, single-line or multi-line as its template says. Texts go
// in and out as Windows-1252; a multi-line edit's lines are separated by
// CR LF, and positions count CR LF as two characters.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/t_control.h"
#include "framework/t_validator.h"

namespace framework {

class TEdit : public TControl {
 public:
  // textLimit is the width of the control's field in a transfer buffer,
  // terminator included: the user can type at most textLimit - 1 characters.
  // 0 means no limit, and then the control takes no part in transfers.
  TEdit(TWindow* parent, int resourceId, unsigned textLimit = 0, const TModule* module = nullptr);
  ~TEdit() override;

  bool MatchesKind(TControlKind kind) const override { return kind == TControlKind::Edit; }
  bool IsMultiLine() const;

  std::string GetText() const;
  // Copies at most maxChars - 1 characters and a terminating NUL; returns the
  // characters copied.
  int GetText(char* str, int maxChars) const;
  int GetTextLen() const;
  // Replaces the whole text; the caret goes to the start.
  void SetText(std::string_view text);
  void Clear();
  // Replaces the selection, or inserts at the caret when nothing is selected,
  // and leaves the caret after the new text. The text limit bounds the result:
  // what does not fit is left out.
  void Insert(std::string_view text);
  // Character positions; end is just past the selection.
  void GetSelection(int& start, int& end) const;
  void SetSelection(int start, int end);

  int GetNumLines() const;
  int GetLineLength(int lineNumber) const;
  std::string GetLine(int lineNumber) const;
  // Copies the line into str (strSize bytes, terminator included), cut to
  // fit; false when there is no such line.
  bool GetLine(char* str, int strSize, int lineNumber) const;
  // Removes the line and the line break after it (before it, for the last
  // line); false when there is no such line.
  bool DeleteLine(int lineNumber);

  unsigned GetTextLimit() const;
  void SetTextLimit(unsigned textLimit);

  // Takes ownership; null removes the validator.
  void SetValidator(TValidator* validator);
  TValidator* GetValidator() const;
  // Whether text may stand in the field as a keystroke would leave it: the
  // validator's IsValidInput.
  bool IsValidInput(std::string_view text) const;
  // Runs the validator over the whole text; with reportError it also tells
  // the user and puts the focus back on the field when the text is not valid.
  bool IsValid(bool reportError = false);
  bool CanClose() override;

  std::size_t TransferSize() const override;
  std::size_t Transfer(void* buffer, std::size_t size, TTransferDirection direction) override;
  using TWindow::Transfer;

 protected:
  void SetupWindow() override;

 private:
  unsigned textLimit_;
  std::unique_ptr<TValidator> validator_;
};

}  // namespace framework
