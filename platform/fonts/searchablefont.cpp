#include "searchablefont.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <map>

namespace orrindel::platform {

namespace {

// CJK Radicals Supplement and Kangxi Radicals.
constexpr quint32 RadicalsFirst = 0x2E80;
constexpr quint32 RadicalsLast = 0x2FDF;

QByteArray be16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

quint16 read16(const QByteArray &data, qsizetype at)
{
    return at + 2 <= data.size() ? qFromBigEndian<quint16>(data.constData() + at) : 0;
}

quint32 read32(const QByteArray &data, qsizetype at)
{
    return at + 4 <= data.size() ? qFromBigEndian<quint32>(data.constData() + at) : 0;
}

// Maps every radical of the character map to no glyph, in place, so that the table keeps its
// shape: segment (format 4) and group (format 12) boundaries are left alone. A group of
// several radicals is moved past the last glyph, which reads as missing, so a radical in a
// text is drawn from another face. Returns whether any radical was mapped.
bool dropRadicals(QByteArray &cmap)
{
    bool dropped = false;
    const int tables = read16(cmap, 2);
    for (int i = 0; i < tables; ++i) {
        const qsizetype table = read32(cmap, 8 + 8 * i);
        const quint16 format = read16(cmap, table);
        if (format == 12) {
            const quint32 groups = read32(cmap, table + 12);
            for (quint32 g = 0; g < groups; ++g) {
                const qsizetype group = table + 16 + 12 * qsizetype(g);
                const quint32 first = read32(cmap, group), last = read32(cmap, group + 4);
                if (group + 12 > cmap.size() || first < RadicalsFirst || last > RadicalsLast)
                    continue;
                qToBigEndian<quint32>(last == first ? 0 : read32(cmap, group + 8) + 0x10000,
                                      cmap.data() + group + 8);
                dropped = true;
            }
        } else if (format == 4) {
            const int segments = read16(cmap, table + 6) / 2;
            const qsizetype ends = table + 14, starts = ends + 2 * segments + 2;
            const qsizetype ranges = starts + 4 * segments;
            for (int s = 0; s < segments; ++s) {
                const quint32 first = read16(cmap, starts + 2 * s);
                const quint32 last = read16(cmap, ends + 2 * s);
                const quint16 offset = read16(cmap, ranges + 2 * s);
                if (offset == 0 || last < RadicalsFirst || first > RadicalsLast)
                    continue;
                for (quint32 c = std::max(first, RadicalsFirst); c <= std::min(last, RadicalsLast);
                     ++c) {
                    const qsizetype glyph = ranges + 2 * s + offset + 2 * (c - first);
                    if (glyph + 2 <= cmap.size())
                        qToBigEndian<quint16>(0, cmap.data() + glyph), dropped = true;
                }
            }
        }
    }
    return dropped;
}

// A name table of the family alone, in Windows Unicode records.
QByteArray nameTable(const QString &family)
{
    const std::pair<quint16, QString> names[] = {
        {1, family}, {2, QStringLiteral("Regular")}, {4, family}, {6, QString(family).remove(' ')}};
    QByteArray records, strings;
    for (const auto &[id, text] : names) {
        QByteArray utf16;
        for (const QChar c : text)
            utf16 += be16(c.unicode());
        records += be16(3) + be16(1) + be16(0x409) + be16(id) + be16(quint16(utf16.size())) +
                   be16(quint16(strings.size()));
        strings += utf16;
    }
    return be16(0) + be16(quint16(std::size(names))) + be16(quint16(6 + 12 * std::size(names))) +
           records + strings;
}

// The font file of these tables, in the order a font's directory lists them.
QByteArray fontFile(const std::map<QByteArray, QByteArray> &tables)
{
    const bool cff = tables.contains("CFF ") || tables.contains("CFF2");
    QByteArray file = be32(cff ? 0x4F54544F : 0x00010000) + be16(quint16(tables.size())) + be16(0) +
                      be16(0) + be16(0);
    QByteArray body;
    const quint32 start = 12 + 16 * quint32(tables.size());
    for (const auto &[tag, data] : tables) {
        file += tag + be32(0) + be32(start + quint32(body.size())) + be32(quint32(data.size()));
        body += data;
        body.append((4 - body.size() % 4) % 4, '\0');
    }
    return file + body;
}

} // namespace

QString searchableFamily(const QString &cjkFamily)
{
    const QRawFont raw = QRawFont::fromFont(QFont(cjkFamily));
    QByteArray cmap = raw.fontTable("cmap");
    const QByteArray head = raw.fontTable("head");
    if (!raw.isValid() || head.isEmpty() || !dropRadicals(cmap))
        return cjkFamily;

    // Named after the face's own header, which changes with each release of the face.
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(head + cjkFamily.toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(12));
    const QString family = QStringLiteral("Orrindel Text ") + key;
    if (QFontDatabase::families().contains(family))
        return family;
    // One copy for the window program and the tool alike.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/orrindel/fonts");
    // A copy a face: the Simplified and the Traditional face each keep theirs.
    const QString face = cjkFamily.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString path =
        folder + QLatin1Char('/') + face + QLatin1Char('-') + key + QStringLiteral(".otf");
    if (!QFile::exists(path)) {
        std::map<QByteArray, QByteArray> tables;
        for (const char *tag : {"BASE", "CFF ", "CFF2", "GDEF", "GPOS", "GSUB", "OS/2", "VORG",
                                "head", "hhea", "hmtx", "maxp", "post", "vhea", "vmtx", "glyf",
                                "loca", "cvt ", "fpgm", "prep", "gasp", "kern"}) {
            const QByteArray data = raw.fontTable(tag);
            if (!data.isEmpty())
                tables[tag] = data;
        }
        tables["cmap"] = cmap;
        tables["name"] = nameTable(family);
        QSaveFile file(path);
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
            file.write(fontFile(tables)) < 0 || !file.commit())
            return cjkFamily;
        // Copies of this face since updated are of no more use.
        const QDir copies(folder);
        for (const QString &old :
             copies.entryList({face + QStringLiteral("-*.otf")}, QDir::Files)) {
            if (copies.filePath(old) != path)
                QFile::remove(copies.filePath(old));
        }
    }
    const int id = QFontDatabase::addApplicationFont(path);
    return id < 0 ? cjkFamily : QFontDatabase::applicationFontFamilies(id).value(0, cjkFamily);
}

} // namespace orrindel::platform
