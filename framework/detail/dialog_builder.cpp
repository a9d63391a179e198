#include "framework/detail/dialog_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <utility>
#include <vector>

#include "framework/detail/edit_widgets.h"
#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"

namespace framework::detail {

namespace {

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(p >= 0 ? (p + half) / c : (p - half) / c);
}

void Notify(QDialog* dialog, int id, unsigned code) {
  if (TWindow* owner = OwnerOf(dialog)) {
    owner->Dispatch(TEventKind::Notify, static_cast<unsigned>(id), TEventArgs{}, nullptr, code);
  }
}

bool Has(std::uint32_t styleBits, std::uint32_t bit) {
  return (styleBits & bit) != 0;
}

bool TakesFocus(const TControlTemplate& c) {
  if (Has(c.style, style::kDisabled))
    return false;
  return c.kind != TControlKind::Static && c.kind != TControlKind::GroupBox;
}

// Buttons answer a click anywhere in their rectangle, not only on the
// indicator and the text.
template <class Button>
class WholeAreaButton : public Button {
 public:
  WholeAreaButton(const QString& text, QWidget* parent) : Button(text, parent) {}

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

}  // namespace

DialogUnits DialogUnits::Of(const QFont& font) {
  const QFontMetrics metrics(font);
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  DialogUnits units;
  // The average over the 52 letters, rounded to the nearest pixel.
  units.baseX = (metrics.horizontalAdvance(kLetters) / 26 + 1) / 2;
  units.baseY = metrics.height();
  return units;
}

int DialogUnits::ToPixelsX(int units) const {
  return MulDiv(units, baseX, 4);
}

int DialogUnits::ToPixelsY(int units) const {
  return MulDiv(units, baseY, 8);
}

QRect DialogUnits::ToPixels(const TDialogRect& rect) const {
  return QRect(ToPixelsX(rect.x), ToPixelsY(rect.y), ToPixelsX(rect.w), ToPixelsY(rect.h));
}

QFont DialogFont(const TDialogTemplate& dialogTemplate) {
  if (dialogTemplate.font.empty())
    return QApplication::font();
  QString family = ToQt(dialogTemplate.font);
  // Templates name the old desktop fonts. Their metric twins from
  // fonts-liberation are named outright, so a dialog measures the same on
  // every machine, whichever other font claims the old name there (URW's
  // Nimbus Mono PS answers to "Courier" once ghostscript's fonts are in).
  static const std::pair<QString, QString> kTwins[] = {
      {QStringLiteral("Courier"), QStringLiteral("Liberation Mono")},
      {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
  };
  for (const auto& [name, twin] : kTwins) {
    if (family.compare(name, Qt::CaseInsensitive) == 0 && QFontDatabase::hasFamily(twin)) {
      family = twin;
      break;
    }
  }
  return QFont(family, dialogTemplate.pointSize);
}

std::map<int, QPointer<QWidget>> BuildControls(QDialog& dialog,
                                               const TDialogTemplate& dialogTemplate) {
  const DialogUnits units = DialogUnits::Of(dialog.font());
  std::map<int, QPointer<QWidget>> byId;
  std::vector<QWidget*> tabChain;
  std::vector<QWidget*> backdrops;
  // Labels whose mnemonic leads to the next control that takes the focus.
  std::vector<QLabel*> waitingForBuddy;
  // Radio buttons by group, a group running from one group start to the next.
  auto groups = std::make_shared<std::vector<std::vector<QPointer<QRadioButton>>>>();
  QPushButton* defaultButton = nullptr;
  int group = -1;

  for (const TControlTemplate& c : dialogTemplate.controls) {
    if (Has(c.style, style::kGroup) || group < 0) {
      ++group;
      groups->emplace_back();
    }
    const QString text = ToQt(c.text);
    QWidget* widget = nullptr;
    const int id = c.id;
    QDialog* dlg = &dialog;

    switch (c.kind) {
      case TControlKind::Edit: {
        if (Has(c.style, style::kMultiline)) {
          auto* edit = new TextEdit(&dialog, Has(c.style, style::kWantReturn));
          edit->setLineWrapMode(Has(c.style, style::kAutoHScroll) ? QPlainTextEdit::NoWrap
                                                                  : QPlainTextEdit::WidgetWidth);
          edit->setVerticalScrollBarPolicy(Has(c.style, style::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
          edit->setHorizontalScrollBarPolicy(
              Has(c.style, style::kHScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
          edit->setFrameShape(Has(c.style, style::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
          edit->setReadOnly(Has(c.style, style::kReadOnly));
          edit->setPlainText(text);
          QObject::connect(edit, &QPlainTextEdit::textChanged, &dialog,
                           [dlg, id] { Notify(dlg, id, EN_CHANGE); });
          widget = edit;
        } else {
          auto* edit = new LineEdit(&dialog, !Has(c.style, style::kAutoHScroll));
          edit->setFrame(Has(c.style, style::kBorder));
          edit->setReadOnly(Has(c.style, style::kReadOnly));
          edit->setText(text);
          QObject::connect(edit, &QLineEdit::textEdited, &dialog,
                           [dlg, id] { Notify(dlg, id, EN_CHANGE); });
          widget = edit;
        }
        break;
      }
      case TControlKind::PushButton: {
        auto* button = new QPushButton(text, &dialog);
        if (Has(c.style, style::kDefault) && (defaultButton == nullptr || id == IDOK)) {
          defaultButton = button;
        }
        QObject::connect(button, &QPushButton::clicked, &dialog, [dlg, id] {
          if (TWindow* owner = OwnerOf(dlg))
            owner->RouteCommand(static_cast<unsigned>(id));
        });
        widget = button;
        break;
      }
      case TControlKind::CheckBox: {
        auto* box = new WholeAreaButton<QCheckBox>(text, &dialog);
        const bool automatic = Has(c.style, style::kAuto);
        QObject::connect(box, &QCheckBox::clicked, &dialog,
                         [dlg, id, box, automatic](bool checked) {
                           // A check box that is not automatic only tells its parent.
                           if (!automatic)
                             box->setChecked(!checked);
                           Notify(dlg, id, BN_CLICKED);
                         });
        widget = box;
        break;
      }
      case TControlKind::RadioButton: {
        auto* radio = new WholeAreaButton<QRadioButton>(text, &dialog);
        // Exclusivity follows the template's groups, not the toolkit's
        // siblings rule, and setting a state from a program touches only
        // the one button.
        radio->setAutoExclusive(false);
        const bool automatic = Has(c.style, style::kAuto);
        const auto myGroup = static_cast<std::size_t>(group);
        (*groups)[myGroup].emplace_back(radio);
        QObject::connect(radio, &QRadioButton::clicked, &dialog,
                         [dlg, id, radio, automatic, groups, myGroup](bool checked) {
                           if (!automatic) {
                             radio->setChecked(!checked);
                           } else {
                             radio->setChecked(true);
                             for (const QPointer<QRadioButton>& other : (*groups)[myGroup]) {
                               if (other != nullptr && other != radio)
                                 other->setChecked(false);
                             }
                           }
                           Notify(dlg, id, BN_CLICKED);
                         });
        widget = radio;
        break;
      }
      case TControlKind::ListBox: {
        auto* list = new QListWidget(&dialog);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setFrameShape(Has(c.style, style::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
        list->setVerticalScrollBarPolicy(Has(c.style, style::kVScroll) ? Qt::ScrollBarAsNeeded
                                                                       : Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (Has(c.style, style::kNotify)) {
          // Only the user's choices notify; the list's own changes set this
          // property while they run.
          QObject::connect(list, &QListWidget::itemSelectionChanged, &dialog, [dlg, id, list] {
            if (!list->property("framework_quiet").toBool())
              Notify(dlg, id, LBN_SELCHANGE);
          });
          QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog,
                           [dlg, id] { Notify(dlg, id, LBN_DBLCLK); });
        }
        widget = list;
        break;
      }
      case TControlKind::GroupBox: {
        auto* box = new QGroupBox(text, &dialog);
        backdrops.push_back(box);
        widget = box;
        break;
      }
      case TControlKind::Static: {
        if (Has(c.style, style::kBlackFrame) || Has(c.style, style::kEtchedFrame)) {
          auto* frame = new QFrame(&dialog);
          if (Has(c.style, style::kBlackFrame)) {
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            QPalette palette = frame->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            frame->setPalette(palette);
          } else {
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
          }
          backdrops.push_back(frame);
          widget = frame;
        } else {
          auto* label = new QLabel(text, &dialog);
          label->setTextFormat(Qt::PlainText);
          label->setAlignment(Qt::AlignTop | (Has(c.style, style::kRight)    ? Qt::AlignRight
                                              : Has(c.style, style::kCenter) ? Qt::AlignHCenter
                                                                             : Qt::AlignLeft));
          label->setAttribute(Qt::WA_TransparentForMouseEvents);
          if (text.contains(u'&'))
            waitingForBuddy.push_back(label);
          widget = label;
        }
        break;
      }
    }

    widget->setGeometry(units.ToPixels(c.rect));
    widget->setProperty(kControlIdProperty, id);
    widget->setProperty(kControlKindProperty, static_cast<int>(c.kind));
    widget->setProperty(kControlStyleProperty, static_cast<unsigned>(c.style));
    if (Has(c.style, style::kDisabled))
      widget->setEnabled(false);
    if (TakesFocus(c)) {
      if (Has(c.style, style::kTabStop)) {
        widget->setFocusPolicy(Qt::StrongFocus);
        tabChain.push_back(widget);
      } else {
        widget->setFocusPolicy(Qt::ClickFocus);
      }
      for (QLabel* label : waitingForBuddy)
        label->setBuddy(widget);
      waitingForBuddy.clear();
    } else {
      widget->setFocusPolicy(Qt::NoFocus);
    }
    if (id != kNoControlId && byId.find(id) == byId.end())
      byId[id] = widget;
  }

  // A mnemonic with no control after it cannot work; show the letter plainly.
  for (QLabel* label : waitingForBuddy)
    label->setText(StripMnemonic(label->text()));
  // Frames and group boxes stand behind the controls they surround and let
  // clicks through to them.
  for (QWidget* backdrop : backdrops) {
    backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);
    backdrop->setFocusPolicy(Qt::NoFocus);
    backdrop->lower();
  }
  for (std::size_t i = 1; i < tabChain.size(); ++i) {
    QWidget::setTabOrder(tabChain[i - 1], tabChain[i]);
  }
  if (defaultButton != nullptr)
    defaultButton->setDefault(true);
  return byId;
}

}  // namespace framework::detail
