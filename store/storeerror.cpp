#include "storeerror.h"

#include <QCoreApplication>

namespace orrindel::store {

namespace {

using Kind = StoreError::Kind;

// Each kind's sentence, in the order of the kinds.
constexpr const char *Messages[] = {
    QT_TRANSLATE_NOOP("HouseStore",
                      "%1 is busy: another program kept it locked. Nothing was changed."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 cannot be opened or made here. Nothing was changed."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 cannot be written. Nothing was changed."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 or its folder cannot be written, so it is open read-only."),
    QT_TRANSLATE_NOOP("HouseStore", "The folder %1 cannot be made, so %2 cannot be saved."),
    QT_TRANSLATE_NOOP("HouseStore", "The disk holding %1 is full. Nothing was changed."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("HouseStore", "%1 is not a house register: it is not an SQLite database. It "
                                    "has been left as it is."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 is damaged. It has been left as it is."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 is not a house register: it holds other data. It has been "
                                    "left as it is."),
    QT_TRANSLATE_NOOP("HouseStore",
                      "%1 was written by a newer version of Orrindel, so it is open read-only."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 cannot be opened: Qt's SQLite driver is not installed."),
    QT_TRANSLATE_NOOP("HouseStore", "House %1 is not in %2."),
    QT_TRANSLATE_NOOP("HouseStore", "House %1 is already in %2."),
    QT_TRANSLATE_NOOP("HouseStore", "%1 could not be read or written: %2"),
    "%1", // the refusal says it all
    QT_TRANSLATE_NOOP("HouseStore", "%1 cannot be written: %2"),
};
static_assert(std::size(Messages) == std::size_t(Kind::FileError) + 1);

} // namespace

StoreError StoreError::about(Kind kind, const QString &subject, const QString &detail)
{
    QString message = QCoreApplication::translate("HouseStore", Messages[std::size_t(kind)]);
    message = message.contains(QLatin1String("%2")) ? message.arg(subject, detail)
                                                    : message.arg(subject);
    return StoreError(kind, message);
}

int exitStatus(StoreError::Kind kind)
{
    return kind == Kind::Invalid ? 2 : 1;
}

} // namespace orrindel::store
