// SPDX-License-Identifier: MIT
#include "core/storage/folderwatch.h"

#include "core/reads/slowreads.h"
#include "core/storage/notefile.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSet>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

FolderWatch::FolderWatch(const QString &folder, SlowReads &reads, QObject *parent)
    : FolderWatch(folder, reads, parent, Delays{})
{
}

FolderWatch::FolderWatch(const QString &folder, SlowReads &reads, QObject *parent, Delays delays)
    : QObject(parent), m_folder(folder), m_reads(reads), m_watcher(new QFileSystemWatcher(this)),
      m_settleTimer(new QTimer(this)), m_rescanTimer(new QTimer(this))
{
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(delays.settle);
    connect(m_settleTimer, &QTimer::timeout, this, &FolderWatch::lookNow);
    m_rescanTimer->setInterval(delays.rescan);
    connect(m_rescanTimer, &QTimer::timeout, this, &FolderWatch::lookNow);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::look);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatch::look);
}

void FolderWatch::start()
{
    m_rescanTimer->start();
    look();
}

void FolderWatch::look()
{
    if (!m_settleTimer->isActive())
        m_settleTimer->start();
}

FolderWatch::Scan FolderWatch::scan(const QString &folder)
{
    Scan found;
    found.folderThere = QFileInfo(folder).isDir();
    if (!found.folderThere)
        return found;
    found.notes = NoteFile::notesIn(folder);
    for (const QString &path : std::as_const(found.notes))
        found.stamps.insert(path, FileStamp::of(path));
    return found;
}

void FolderWatch::lookNow()
{
    if (m_looking) {
        m_lookAgain = true;
        return;
    }
    m_looking = true;
    SlowReads::deliver(QtConcurrent::run(m_reads.pool(), &FolderWatch::scan, m_folder), this,
                       [this](const Scan &found) {
                           m_looking = false;
                           watchWhatWasFound(found);
                           emit scanned(found);
                           if (std::exchange(m_lookAgain, false))
                               look();
                       });
}

// A folder moved away and back is no longer watched by the system: it is
// watched anew once a look finds it.
void FolderWatch::watchWhatWasFound(const Scan &found)
{
    if (found.folderThere && m_watcher->directories().isEmpty())
        m_watcher->addPath(m_folder);
}

void FolderWatch::watchFiles(const QStringList &paths)
{
    const QStringList watched = m_watcher->files();
    const QSet<QString> known(watched.begin(), watched.end());
    QStringList added;
    for (const QString &path : paths)
        if (!known.contains(path) && QFileInfo(path).isFile())
            added.append(path);
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}
