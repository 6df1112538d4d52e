#pragma once

#include <QString>

#include <stdexcept>

namespace orrindel::store {

// A problem with the register, or with a file its tools read or write, by kind. The message is
// one sentence for the user naming the file; the kind decides what the tool's exit status is.
class StoreError : public std::runtime_error
{
public:
    enum class Kind {
        Busy,       // another program holds the register locked
        ReadOnly,   // the register cannot be written here
        Damaged,    // not a readable register, or a damaged one
        Foreign,    // an SQLite file of another program
        Newer,      // written by a newer version of the program
        NotFound,   // no house (or file) by that name
        Invalid,    // the input is refused: bad input, nothing changed
        FileError,  // another file (an export, an import, a report) cannot be read or written
    };

    StoreError(Kind kind, const QString &message)
        : std::runtime_error(message.toStdString()), m_kind(kind)
    {
    }

    Kind kind() const noexcept { return m_kind; }
    QString message() const { return QString::fromUtf8(what()); }

private:
    Kind m_kind;
};

} // namespace orrindel::store
