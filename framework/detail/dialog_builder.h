// Turns a dialog template into widgets.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QRect>
#include <map>

#include "framework/t_module.h"

namespace framework::detail {

// Dialog units of a font: across, a quarter of the average width of the
// letters; down, an eighth of the character height.
struct DialogUnits {
  int baseX = 0;
  int baseY = 0;
  static DialogUnits Of(const QFont& font);
  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QRect ToPixels(const TDialogRect& rect) const;
};

// The font a template asks for, "Courier" as Liberation Mono (its metric
// twin); the application's font when it names none.
QFont DialogFont(const TDialogTemplate& dialogTemplate);

// Makes the template's controls as children of dialog, sized from the
// dialog's font, in template order (tab order and groups included), and
// connects them: push buttons send their number as a command to the
// dialog's owner, other controls send notifications. Returns the controls by
// number.
std::map<int, QPointer<QWidget>> BuildControls(QDialog& dialog,
                                               const TDialogTemplate& dialogTemplate);

}  // namespace framework::detail
