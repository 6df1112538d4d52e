// orrindel-houses import on arbitrary JSON: either every house goes in and the count printed is
// the count stored, or status 2 with one line per problem and nothing stored.
#include "fuzzcheck.h"
#include "orrindel_houses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    // In memory where there is a tmpfs: a commit's sync would dominate each run.
    static const QTemporaryDir dir(QDir("/dev/shm").exists() ? "/dev/shm/fuzz_houses_XXXXXX"
                                                             : QString());
    const QString input = dir.filePath("in.json"), database = dir.filePath("h.sqlite");
    QFile::remove(database);
    QFile file(input);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    file.close();
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runHouses({"orrindel-houses", "--database", database, "import", input},
                                 outStream, errStream);
    outStream.flush(), errStream.flush();
    const qsizetype stored = orrindel::store::HouseStore(database).houses().size();
    if (status == 0)
        check(err.isEmpty() && out == QString::number(stored) + '\n');
    else
        check(status == 2 && out.isEmpty() && stored == 0 && err.endsWith('\n') &&
              err.count('\n') == err.count("orrindel-houses: "));
    return 0;
}
