// SPDX-License-Identifier: MIT
// Reads and writes 10,000 note files and compares reading them with a bare
// QFile::readAll of the same files in the same run.
#include "core/record/notestate.h"
#include "core/storage/notefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int count = 10000;
    QTemporaryDir dir;
    NoteState state;
    state.picturePath = QStringLiteral("/home/user/写真/cat.jpg");
    state.fontName = NoteState::defaultFontName();
    state.memo = QStringLiteral("買い物\n牛乳, パン");
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(dir.filePath(QStringLiteral("%1.dat").arg(i)));

    QElapsedTimer timer;
    timer.start();
    for (const QString &path : paths)
        if (!NoteFile::create(path, state.toRecord()))
            return 1;
    const double writeNs = double(timer.nsecsElapsed()) / count;

    qint64 bytes = 0;
    timer.restart();
    for (const QString &path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll().size();
    }
    const double rawNs = double(timer.nsecsElapsed()) / count;

    int fields = 0;
    timer.restart();
    for (const QString &path : paths)
        fields += NoteFile::load(path).record.field(NoteRecord::Memo).size();
    const double readNs = double(timer.nsecsElapsed()) / count;

    QTextStream out(stdout);
    out << "records: " << count << " (" << bytes / count << " bytes each, check " << fields << ")\n"
        << "write (atomic): " << writeNs / 1000 << " us/record\n"
        << "read + parse:   " << readNs / 1000 << " us/record\n"
        << "QFile::readAll: " << rawNs / 1000 << " us/record\n"
        << "read ratio:     " << readNs / rawNs << "\n";
    return 0;
}
