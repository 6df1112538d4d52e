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
        CannotOpen, // the register cannot be opened or made where it is
        ReadOnly,   // the register cannot be written here
        LockedDown, // the register or its folder may not be written, so it is only read
        NoFolder,   // the register's folder cannot be made
        DiskFull,   // the disk holding the register is full
        Unreadable, // the file cannot be read at all
        NotSqlite,  // not an SQLite file
        Damaged,    // a damaged register
        Foreign,    // an SQLite file of another program
        Newer,      // written by a newer version of the program
        NoDriver,   // Qt's SQLite driver is missing
        NotFound,   // no house by that number
        Exists,     // a house by that number is already there
        Failed,     // SQLite failed for another reason
        Invalid,    // the input is refused: bad input, nothing changed
        FileError,  // another file (an export, an import, a report) cannot be read or written
    };

    StoreError(Kind kind, const QString &message)
        : std::runtime_error(message.toStdString()), m_kind(kind)
    {
    }

    // The kind's own sentence about a file (for NotFound and Exists, a house's number first),
    // with the second text in it where the sentence has a place for one.
    static StoreError about(Kind kind, const QString &subject, const QString &detail = {});

    Kind kind() const noexcept { return m_kind; }
    QString message() const { return QString::fromUtf8(what()); }

private:
    Kind m_kind;
};

// What orrindel-houses exits with for a problem of this kind: 2 for bad input, 1 for a problem
// with the register or another file.
int exitStatus(StoreError::Kind kind);

} // namespace orrindel::store
