#pragma once

#include <QString>

namespace ql {

// The program's texts mark line breaks with "\r"; tool tips break at "\n".
inline QString HintText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Captions keep a doubled ampersand for one shown ampersand; buttons, tabs and
// check boxes read it that way themselves, plain labels need it undone.
inline QString LabelText(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return caption;
}

} // namespace ql
