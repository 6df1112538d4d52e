#pragma once

// The house register's file as SQLite sees it: the schema the first version made, and one
// answer of a query on a connection of its own.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace orrindel::test {

// The first version's schema, as that program made it.
inline const QString FirstSchema =
    "CREATE TABLE houses (id INTEGER PRIMARY KEY AUTOINCREMENT, client TEXT NOT NULL, label TEXT "
    "NOT NULL, year TEXT NOT NULL, facing TEXT NOT NULL, measured TEXT, notes TEXT NOT NULL, "
    "created TEXT NOT NULL, changed TEXT NOT NULL, client_key TEXT NOT NULL, label_key TEXT NOT "
    "NULL, notes_key TEXT NOT NULL)";

// The first column of the first row, or "failed".
inline QString sqlAnswer(const QString &path, const QString &sql)
{
    QString answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        answer = query.exec(sql) && query.next() ? query.value(0).toString() : "failed";
    }
    QSqlDatabase::removeDatabase("check");
    return answer;
}

} // namespace orrindel::test
