#pragma once

#include <QString>

namespace quirnel::ui {

// The program description shown on the help page, as rich text.
QString helpPageHtml();

} // namespace quirnel::ui
