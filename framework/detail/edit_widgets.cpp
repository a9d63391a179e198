#include "framework/detail/edit_widgets.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTimer>

#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"
#include "framework/t_edit.h"

namespace framework::detail {

namespace {

// The toolkit's fixed gap between a line edit's frame and its text, on each side.
constexpr int kLineEditInnerMargin = 2;

TEdit* EditOf(const QObject* widget);

// Keeps texts of a line edit inside Windows-1252, inside its width and inside
// its field's character set, for typing and pasting alike.
class LineGuard : public QValidator {
 public:
  explicit LineGuard(LineEdit* edit) : QValidator(edit), edit_(edit) {}
  State validate(QString& input, int&) const override {
    if (!Representable(input))
      return Invalid;
    if (!edit_->Fits(input))
      return Invalid;
    const TEdit* owner = EditOf(edit_);
    if (owner != nullptr && !owner->IsValidInput(FromQt(input)))
      return Invalid;
    return Acceptable;
  }

 private:
  LineEdit* edit_;
};

bool IsTyping(const QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty() || !text.at(0).isPrint())
    return false;
  return (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) == 0;
}

TEdit* EditOf(const QObject* widget) {
  return dynamic_cast<TEdit*>(OwnerOf(widget));
}

}  // namespace

int Cp1252Length(const QString& text) {
  return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

LineEdit::LineEdit(QWidget* parent, bool widthBound) : QLineEdit(parent), widthBound_(widthBound) {
  setValidator(new LineGuard(this));
}

int LineEdit::TextRoom() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kLineEditInnerMargin;
}

bool LineEdit::Fits(const QString& text) const {
  if (!widthBound_)
    return true;
  // One pixel stays free for the caret after the last character.
  return fontMetrics().horizontalAdvance(text) + 1 <= TextRoom();
}

bool LineEdit::Accepts(const QString& typed) const {
  QString candidate = text();
  if (hasSelectedText()) {
    candidate.replace(selectionStart(), selectedText().size(), typed);
  } else {
    candidate.insert(cursorPosition(), typed);
  }
  if (!Representable(candidate))
    return false;
  const TEdit* edit = EditOf(this);
  return edit == nullptr || edit->IsValidInput(FromQt(candidate));
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
  if (IsTyping(event) && !Accepts(event->text())) {
    // Refused: the field keeps its text.
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void LineEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() && !Accepts(event->commitString())) {
    event->accept();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Switching to another window or opening a menu is not leaving the field.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
    return;
  }
  // Once the focus has arrived where it goes, so the check knows where that is.
  QTimer::singleShot(0, this, [this] { CheckOnLeave(); });
}

void LineEdit::CheckOnLeave() {
  TEdit* edit = EditOf(this);
  if (edit == nullptr || checking_ || hasFocus())
    return;
  // Only a move to another control of the same dialog counts; a box that
  // already reports (the one of "&Close", say) takes the focus elsewhere.
  const QWidget* now = QApplication::focusWidget();
  if (now == nullptr || now->window() != window())
    return;
  // The dialog's OK and Cancel buttons check (or skip) the fields themselves.
  const int id = now->property(kControlIdProperty).toInt();
  if (id == IDOK || id == IDCANCEL)
    return;
  checking_ = true;
  edit->IsValid(true);
  checking_ = false;
}

TextEdit::TextEdit(QWidget* parent, bool wantReturn)
    : QPlainTextEdit(parent), wantReturn_(wantReturn) {
  setTabChangesFocus(true);
}

QString TextEdit::Fitting(const QString& text) const {
  QString clean;
  for (const QChar ch : text) {
    if (ch == u'\r')
      continue;
    if (Representable(ch))
      clean.append(ch);
  }
  if (limit_ <= 0)
    return clean;
  const QTextCursor cursor = textCursor();
  const int kept = Cp1252Length(toPlainText()) -
                   Cp1252Length(cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n'));
  int room = limit_ - 1 - kept;
  QString out;
  for (const QChar ch : clean) {
    const int cost = ch == u'\n' ? 2 : 1;
    if (cost > room)
      break;
    room -= cost;
    out.append(ch);
  }
  return out;
}

void TextEdit::keyPressEvent(QKeyEvent* event) {
  const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (isReturn && !wantReturn_ && (event->modifiers() & Qt::ControlModifier) == 0) {
    // Enter belongs to the dialog's default button.
    event->ignore();
    return;
  }
  if (isReturn || IsTyping(event)) {
    const QString typed = isReturn ? QStringLiteral("\n") : event->text();
    const QString fitting = Fitting(typed);
    if (fitting.size() != typed.size()) {
      event->accept();
      return;
    }
    if (!isReturn) {
      const TEdit* edit = EditOf(this);
      QString candidate = toPlainText();
      const QTextCursor cursor = textCursor();
      candidate.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(),
                        typed);
      if (edit != nullptr && !edit->IsValidInput(FromQtLines(candidate))) {
        event->accept();
        return;
      }
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TextEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText())
    return;
  insertPlainText(Fitting(source->text()));
}

}  // namespace framework::detail
