// The widgets behind TEdit: keystrokes pass the owner's validator, texts stay
// within Windows-1252 and the text limit, and a single-line field without
// automatic scrolling holds no more text than it can show.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

namespace framework::detail {

// Length of a text as Windows-1252 with CR LF line breaks: each LF counts two.
int Cp1252Length(const QString& text);

class LineEdit : public QLineEdit {
 public:
  LineEdit(QWidget* parent, bool widthBound);
  // Whether the text fits the visible width; always true when the field scrolls.
  bool Fits(const QString& text) const;
  // Pixels available to text, for tests and diagnostics.
  int TextRoom() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool Accepts(const QString& typed) const;
  void CheckOnLeave();
  bool widthBound_;
  bool checking_ = false;
};

class TextEdit : public QPlainTextEdit {
 public:
  TextEdit(QWidget* parent, bool wantReturn);
  // Text limit in Windows-1252 characters (0: none), counted as CR LF.
  void SetLimit(int limit) { limit_ = limit; }
  int Limit() const { return limit_; }
  // How much of text fits in place of the selection: cut at the limit,
  // never between CR and LF.
  QString Fitting(const QString& text) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  bool wantReturn_;
  int limit_ = 0;
};

}  // namespace framework::detail
