#pragma once

#include <QString>

namespace ql {

// Message boxes modal to the whole program. A "\r\n" or lone "\r" in the text
// (the way the program's texts mark line breaks) is shown as a line break.

// Text, caption "Information", the information icon and an OK button.
void InformationBox(const QString &text);
// Text and caption, the question icon, Yes and No; true for Yes.
bool YesNoQuestion(const QString &text, const QString &caption);

} // namespace ql
