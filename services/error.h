#pragma once

#include <QString>
#include <stdexcept>

namespace ql {

// The one way failures travel through the program: readers, writers and the
// settings file throw an Error whose message is the sentence a user reads
// ("Unable to write to /home/me/QL.ini"). Only the window layer shows it.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace ql
