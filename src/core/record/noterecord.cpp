// SPDX-License-Identifier: MIT
#include "core/record/noterecord.h"

#include "core/record/codepage932.h"

#include <QCryptographicHash>
#include <QList>

namespace {
const QByteArray exactMarker = QByteArrayLiteral("~quillnote-exact");
const QByteArray deskMarker = QByteArrayLiteral("~quillnote-desk ");
const QString lineBreakTag = QStringLiteral("<br>");

QByteArray checksum(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16);
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The length of the separator that starts at @p at: CR LF counts as one.
qsizetype separatorLength(QByteArrayView bytes, qsizetype at)
{
    if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n')
        return 2;
    return 1;
}

QString plainText(NoteRecord::Field index, QString text)
{
    if (index == NoteRecord::Memo) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(u'\n', lineBreakTag);
    }
    text.replace(u',', QChar(0xFF0C));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}
} // namespace

struct NoteRecord::Line
{
    std::array<QString, FieldCount> fields;
    qsizetype end = 0; // offset just past the separator that ended the last field read
};

NoteRecord::Line NoteRecord::readLine(QByteArrayView bytes)
{
    Line line;
    qsizetype at = 0;
    for (int index = 0; index < FieldCount && at < bytes.size(); ++index) {
        while (at < bytes.size() && bytes[at] == ' ')
            ++at;
        qsizetype end = at;
        while (end < bytes.size() && bytes[end] != ',' && !isLineEnd(bytes[end]))
            ++end;
        line.fields[index] = CodePage932::decode(bytes.sliced(at, end - at));
        at = end < bytes.size() ? end + separatorLength(bytes, end) : end;
    }
    line.fields[Memo].replace(lineBreakTag, QLatin1String("\n"));
    line.end = at;
    return line;
}

bool NoteRecord::holdsRecord(QByteArrayView bytes)
{
    qsizetype commas = 0;
    for (const char c : bytes) {
        if (isLineEnd(c))
            break;
        if (c == ',' && ++commas == FieldCount - 1)
            return true;
    }
    return false;
}

NoteRecord NoteRecord::fromBytes(QByteArrayView bytes)
{
    const Line line = readLine(bytes);
    NoteRecord record;
    record.m_fields = line.fields;
    record.applyExactLine(bytes.first(line.end), bytes.sliced(line.end));
    record.applyDeskLine(bytes.sliced(line.end));
    return record;
}

void NoteRecord::applyDeskLine(QByteArrayView rest)
{
    // The line right after the record, or after its exact-text line.
    qsizetype at = 0;
    while (at < rest.size()) {
        qsizetype end = at;
        while (end < rest.size() && !isLineEnd(rest[end]))
            ++end;
        const QByteArrayView text = rest.sliced(at, end - at);
        if (text.startsWith(deskMarker))
            m_deskText = QString::fromLatin1(text.sliced(deskMarker.size())).simplified();
        if (at > 0 || !text.startsWith(exactMarker))
            return;
        at = end < rest.size() ? end + separatorLength(rest, end) : end;
    }
}

void NoteRecord::applyExactLine(QByteArrayView firstLine, QByteArrayView rest)
{
    qsizetype lineEnd = 0;
    while (lineEnd < rest.size() && !isLineEnd(rest[lineEnd]))
        ++lineEnd;
    const QList<QByteArray> parts = rest.first(lineEnd).toByteArray().split(' ');
    if (parts.size() < 2 || parts[0] != exactMarker || parts[1] != checksum(firstLine))
        return;
    for (qsizetype i = 2; i < parts.size(); ++i) {
        const qsizetype equals = parts[i].indexOf('=');
        bool ok = false;
        const int index = parts[i].left(equals).toInt(&ok);
        if (equals < 0 || !ok || index < 0 || index >= FieldCount)
            continue;
        m_fields[index] =
            QString::fromUtf8(QByteArray::fromPercentEncoding(parts[i].mid(equals + 1)));
    }
}

QByteArray NoteRecord::plainLine() const
{
    QByteArray line;
    for (int index = 0; index < FieldCount; ++index) {
        if (index > 0)
            line += ',';
        line += CodePage932::encode(plainText(Field(index), m_fields[index]));
    }
    return line + "\r\n";
}

QByteArray NoteRecord::exactLine(const Line &written) const
{
    QByteArray line;
    for (int index = 0; index < FieldCount; ++index) {
        if (written.fields[index] == m_fields[index])
            continue;
        line +=
            ' ' + QByteArray::number(index) + '=' + m_fields[index].toUtf8().toPercentEncoding();
    }
    return line;
}

QByteArray NoteRecord::toBytes() const
{
    const QByteArray first = plainLine();
    const QByteArray exact = exactLine(readLine(first));
    QByteArray bytes = first;
    if (!exact.isEmpty())
        bytes += exactMarker + ' ' + checksum(first) + exact + "\r\n";
    if (!m_deskText.isEmpty())
        bytes += deskMarker + m_deskText.toLatin1() + "\r\n";
    return bytes;
}
