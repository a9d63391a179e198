#include "framework/t_dialog.h"

#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <cstdio>

#include "compute/cp1252.h"
#include "framework/detail/dialog_builder.h"
#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"
#include "framework/t_control.h"

namespace framework {

namespace {

class DialogWidget : public QDialog {
 public:
  DialogWidget(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

  // The Esc key.
  void reject() override {
    if (TWindow* owner = detail::OwnerOf(this)) {
      owner->RouteCommand(IDCANCEL);
    } else {
      QDialog::reject();
    }
  }
  // Enter with no default button.
  void accept() override {
    if (TWindow* owner = detail::OwnerOf(this)) {
      owner->RouteCommand(IDOK);
    } else {
      QDialog::accept();
    }
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (TWindow* owner = detail::OwnerOf(this))
      owner->SendMessage(WM_CLOSE);
  }
};

Qt::WindowFlags FlagsFor(std::uint32_t s) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if ((s & dialog_style::kCaption) != 0)
    flags |= Qt::WindowTitleHint;
  if ((s & dialog_style::kSysMenu) != 0)
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if ((s & dialog_style::kMinimizeBox) != 0)
    flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}

}  // namespace

struct TDialog::DialogState {
  TResId resId = 0;
  const TDialogTemplate* given = nullptr;
  const TDialogTemplate* used = nullptr;
  bool modal = false;
  bool running = false;
  int result = IDCANCEL;
};

// clang-format off
DEFINE_RESPONSE_TABLE1(TDialog, TWindow)
  EV_COMMAND(IDOK, CmOk),
  EV_COMMAND(IDCANCEL, CmCancel),
  EV_WM_CLOSE,
END_RESPONSE_TABLE;
// clang-format on

TDialog::TDialog(TWindow* parent, TResId resId, const TModule* module)
    : TWindow(parent, nullptr, module), state_(std::make_unique<DialogState>()) {
  state_->resId = resId;
  GetImpl().autoCreate = false;
}

TDialog::TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate)
    : TWindow(parent), state_(std::make_unique<DialogState>()) {
  state_->given = &dialogTemplate;
  GetImpl().autoCreate = false;
}

TDialog::~TDialog() {
  // While this class's overrides still exist, so a modal loop ends properly.
  Destroy(IDCANCEL);
}

const TDialogTemplate* TDialog::GetTemplate() const {
  if (state_->given != nullptr)
    return state_->given;
  const TModule* module = GetModule();
  return module != nullptr ? module->FindDialog(state_->resId) : nullptr;
}

bool TDialog::CreateWindowObject() {
  const TDialogTemplate* tmpl = GetTemplate();
  if (tmpl == nullptr) {
    std::fprintf(stderr, "fotovuelo: dialog resource %d not found\n", state_->resId);
    return false;
  }
  QWidget* parentWidget = nullptr;
  for (TWindow* p = GetParent(); p != nullptr && parentWidget == nullptr; p = p->GetParent()) {
    parentWidget = p->GetImpl().widget;
  }
  auto* dialog = new DialogWidget(parentWidget, FlagsFor(tmpl->style));
  dialog->setFont(detail::DialogFont(*tmpl));
  dialog->setWindowTitle(detail::ToQt(tmpl->caption));
  SetCaption(tmpl->caption);

  const detail::DialogUnits units = detail::DialogUnits::Of(dialog->font());
  const QRect area = units.ToPixels(tmpl->rect);
  if ((tmpl->style & dialog_style::kSizingBorder) != 0) {
    dialog->resize(area.size());
  } else {
    dialog->setFixedSize(area.size());
  }
  // A dialog's position is reckoned from its owner's client area.
  const QPoint origin =
      parentWidget != nullptr ? parentWidget->mapToGlobal(QPoint(0, 0)) : QPoint();
  dialog->move(origin + area.topLeft());

  GetImpl().controls = detail::BuildControls(*dialog, *tmpl);

  // Every control object must find its template control, of a kind it can
  // stand for, before anything is shown.
  for (TWindow* child : GetChildren()) {
    auto* control = dynamic_cast<TControl*>(child);
    if (control == nullptr)
      continue;
    const auto found = GetImpl().controls.find(control->GetId());
    if (found == GetImpl().controls.end() || found->second == nullptr) {
      std::fprintf(stderr, "fotovuelo: dialog \"%s\" has no control %d\n",
                   fotovuelo::cp1252::ToUtf8(tmpl->caption).c_str(), control->GetId());
      delete dialog;
      GetImpl().controls.clear();
      return false;
    }
    const auto kind =
        static_cast<TControlKind>(found->second->property(detail::kControlKindProperty).toInt());
    if (!control->MatchesKind(kind)) {
      std::fprintf(stderr,
                   "fotovuelo: control %d of dialog \"%s\" is not of the kind its object expects\n",
                   control->GetId(), fotovuelo::cp1252::ToUtf8(tmpl->caption).c_str());
      delete dialog;
      GetImpl().controls.clear();
      return false;
    }
  }

  detail::SetOwner(dialog, this);
  GetImpl().widget = dialog;
  state_->used = tmpl;
  return true;
}

void TDialog::SetupWindow() {
  TWindow::SetupWindow();
  TransferData(tdSetData);
}

bool TDialog::Create() {
  if (IsWindow())
    return true;
  if (!TWindow::Create())
    return false;
  if (!state_->modal && (state_->used->style & dialog_style::kVisible) != 0)
    ShowWindow(SW_SHOW);
  return true;
}

int TDialog::Execute() {
  if (IsWindow()) {
    std::fprintf(stderr, "fotovuelo: a dialog already open cannot run modally\n");
    return -1;
  }
  state_->modal = true;
  if (!Create()) {
    state_->modal = false;
    return -1;
  }
  QPointer<QDialog> dialog = static_cast<QDialog*>(GetImpl().widget.data());
  dialog->setWindowModality(Qt::ApplicationModal);
  state_->running = true;
  state_->result = IDCANCEL;
  dialog->exec();
  state_->running = false;
  // exec can only end through Destroy, but be sure the window is gone.
  if (IsWindow())
    Destroy(state_->result);
  state_->modal = false;
  return state_->result;
}

bool TDialog::IsModal() const {
  return state_->modal;
}

void TDialog::CloseWindow(int retVal) {
  if (CanClose())
    Destroy(retVal);
}

void TDialog::Destroy(int retVal) {
  TWindow::Destroy(retVal);
}

void TDialog::ReleaseWindowObject(int retVal) {
  state_->result = retVal;
  if (state_->running) {
    if (auto* dialog = static_cast<QDialog*>(GetImpl().widget.data()))
      dialog->done(retVal);
  }
}

int TDialog::GetResult() const {
  return state_->result;
}

void TDialog::CmOk() {
  CloseWindow(IDOK);
}

void TDialog::CmCancel() {
  Destroy(IDCANCEL);
}

void TDialog::EvClose() {
  Destroy(IDCANCEL);
}

}  // namespace framework
