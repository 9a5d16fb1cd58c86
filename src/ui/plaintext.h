#pragma once

#include <QString>

namespace ui {

// A tool tip that shows text from a page or the service exactly as it stands. Qt reads a tool
// tip as markup when it looks like markup, so the text is escaped inside a paragraph that keeps
// its blanks and line breaks.
QString plainToolTip(const QString& text);

} // namespace ui
