// Windows-1252 <-> Unicode at the toolkit's edge. Every text crosses here on
// its way to or from a widget, and nowhere else.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace framework::detail {

// Unassigned bytes show as U+FFFD.
QString ToQt(std::string_view cp1252);
// Characters Windows-1252 cannot hold become '?'; widgets refuse them before
// they get this far, so this only guards against surprises.
std::string FromQt(const QString& text);
bool Representable(const QString& text);
bool Representable(QChar ch);

// Multi-line texts: CR LF (or a lone CR or LF) <-> the toolkit's LF.
QString ToQtLines(std::string_view cp1252);
std::string FromQtLines(const QString& text);

// "&Datos" keeps its mnemonic for the toolkit, which marks it the same way;
// this drops it, for texts shown where no mnemonic can work.
QString StripMnemonic(const QString& text);

}  // namespace framework::detail
