#pragma once

#include <QString>

namespace quirnel::ui {

// The program description shown on the help page, as rich text, naming the data folder.
QString helpPageHtml(const QString &dataFolder);

} // namespace quirnel::ui
