// SPDX-License-Identifier: MIT
#include "ui/shell/notekeeper.h"

#include "core/reads/picturereads.h"
#include "core/record/notestate.h"
#include "core/rules/screenreach.h"
#include "core/storage/clock.h"
#include "core/storage/filehandoff.h"
#include "core/storage/folderwatch.h"
#include "core/storage/notesaver.h"
#include "core/storage/panepage.h"
#include "core/storage/pastedpicture.h"
#include "core/storage/singleinstance.h"
#include "ui/desktop/messagebox.h"
#include "ui/note/notedesk.h"
#include "ui/note/notewindow.h"
#include "ui/shell/showingorder.h"
#include "ui/shell/startuphold.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <limits>
#include <utility>

namespace {
const char *const alreadyRunning = QT_TRANSLATE_NOOP("NoteKeeper", "既に起動されています");
const char *const notSaved = QT_TRANSLATE_NOOP("NoteKeeper", "保存できなかった付箋紙があります。");
const char *const folderMissing =
    QT_TRANSLATE_NOOP("NoteKeeper", "付箋紙のフォルダが見つかりません。\n%1\n\n"
                                    "フォルダが戻るまで、付箋紙の変更は保存されずに残ります。");

// The longest that making new notes holds up the windows at a time.
constexpr qint64 creationSliceMs = 50;

// The longest that pictures wait for the notes of start-up to be painted.
constexpr std::chrono::milliseconds startupPictureHold{3000};

QString unsavedText(const QList<NoteKeeper::Unsaved> &unsaved)
{
    QStringList lines{NoteKeeper::tr(notSaved), QString()};
    for (const NoteKeeper::Unsaved &note : unsaved)
        lines.append(QStringLiteral("%1: %2").arg(QFileInfo(note.path).fileName(), note.error));
    return lines.join(u'\n');
}

QList<NoteKeeper::Unsaved> retried(const QList<NoteKeeper::Unsaved> &unsaved)
{
    QList<NoteKeeper::Unsaved> still;
    for (const NoteKeeper::Unsaved &note : unsaved) {
        const NoteFile::Result result = NoteFile::save(note.path, note.record);
        if (result.failed())
            still.append({note.path, note.record, result.error});
    }
    return still;
}
} // namespace

NoteKeeper::NoteKeeper(const Seams &seams, Corner newNoteCorner, QObject *parent)
    : QObject(parent), m_seams(seams), m_picker(seams.pickerBackend),
      m_newNoteCorner(std::move(newNoteCorner)),
      m_instance(std::make_unique<SingleInstance>(seams.folder)),
      m_showing(
          new ShowingOrder([reads = seams.reads] { return reads->slowReads().patience(); }, this)),
      m_webPage(PanePage::read(seams.settingsPath))
{
}

NoteKeeper::~NoteKeeper() = default;

bool NoteKeeper::start(const QStringList &pictures)
{
    if (!m_instance->acquire()) {
        // Pictures go to the copy that runs; without any, the user is told it runs.
        if (pictures.isEmpty() || !FileHandoff::handOver(m_seams.folder, pictures))
            m_seams.messageBox->notify(nullptr, tr(alreadyRunning));
        return false;
    }
    // Later copies may hand over their pictures from now on; like those of
    // the command line they wait until the main window has been placed.
    m_pendingPictures = pictures;
    // The first copy has no notes to hide or show yet: they come as usual.
    m_pendingPictures.removeAll(FileHandoff::toggleCommand);
    m_handoff = new FileHandoff(m_seams.folder, this);
    connect(m_handoff, &FileHandoff::filesReceived, this, [this](const QStringList &handed) {
        if (m_placed)
            take(handed);
        else
            m_pendingPictures += handed;
    });
    m_handoff->listen();
    m_watch = new FolderWatch(m_seams.folder, m_seams.reads->slowReads(), this);
    connect(m_watch, &FolderWatch::scanned, this, &NoteKeeper::folderScanned);
    return true;
}

void NoteKeeper::placed()
{
    m_placed = true;
    const QStringList pictures = std::exchange(m_pendingPictures, {});
    if (!pictures.isEmpty())
        take(pictures);
}

// Pictures become notes and commands are asked of the main window, in the order given.
void NoteKeeper::take(const QStringList &handed)
{
    QStringList pictures;
    for (const QString &entry : handed) {
        if (!FileHandoff::isCommand(entry)) {
            pictures.append(entry);
            continue;
        }
        createNotes(std::exchange(pictures, {}));
        emit commandAsked(entry);
    }
    createNotes(pictures);
}

void NoteKeeper::openAllNotes()
{
    StartupHold *hold = StartupHold::begin(m_seams.reads->decodes());
    for (const QString &path : NoteFile::notesIn(m_seams.folder))
        if (NoteWindow *note = openNote(path))
            hold->watch(note);
    hold->releaseWhenPainted(startupPictureHold);
    if (m_watch)
        m_watch->start();
}

NoteWindow *NoteKeeper::openNote(const QString &path, bool madeNow)
{
    const int index = m_noteCount;
    NoteWindow *note = nullptr;
    if (index >= 0 && index < noteTableSize) {
        note = new NoteWindow(m_seams, &m_picker);
        m_noteTable[index] = note;
        note->setNotePath(path);
        note->setWebPage(m_webPage);
        m_showing->enqueue(note, [this, note, madeNow] {
            if (m_finished || note->isClosed())
                return;
            if (m_notesHidden && !madeNow) {
                m_hiddenNotes.append(note);
                return;
            }
            note->bringIntoReach(reachableAreas());
            note->show();
        });
        watchNote(note);
        readNote(note);
    }
    if (m_noteCount < std::numeric_limits<qint16>::max())
        ++m_noteCount;
    return note;
}

void NoteKeeper::watchNote(NoteWindow *note)
{
    const NoteSaver *saver = &note->saver();
    // A copy of the note that another program wrote is a note of its own.
    connect(saver, &NoteSaver::copyKept, this, &NoteKeeper::openIfNew);
    connect(saver, &NoteSaver::stuckChanged, this,
            [this] { emit stuckCountChanged(stuckCount()); });
    connect(note, &NoteWindow::fileShown, this, [note] { note->bringIntoReach(reachableAreas()); });
}

int NoteKeeper::stuckCount() const
{
    int count = 0;
    for (const NoteWindow *note : openNotes())
        count += note->saver().isStuck() ? 1 : 0;
    return count;
}

void NoteKeeper::folderScanned(const FolderWatch::Scan &scan)
{
    if (m_finished)
        return;
    if (!scan.folderThere) {
        // Told once each time the folder goes; the notes keep what they show.
        if (!std::exchange(m_folderMissing, true))
            m_seams.messageBox->notify(
                nullptr, tr(folderMissing).arg(QDir::toNativeSeparators(m_seams.folder)));
        return;
    }
    m_folderMissing = false;
    QStringList shown;
    for (NoteWindow *note : openNotes()) {
        note->folderChanged(scan.stamps.value(note->notePath()));
        shown.append(note->notePath());
    }
    m_watch->watchFiles(shown);
    for (const QString &path : scan.notes)
        openIfNew(path);
}

// A note file that another program put into the folder opens as at the
// start, while the note table has room; one that is gone by now does not.
void NoteKeeper::openIfNew(const QString &path)
{
    if (m_finished || m_noteCount >= noteTableSize || !QFileInfo(path).isFile())
        return;
    for (const NoteWindow *note : openNotes())
        if (note->notePath() == path)
            return;
    openNote(path);
}

// A note comes onto the screen in its turn, when its file has been read
// (one on a stalled share, whenever that is; until then it is neither
// shown nor written) and its pictures have been read.
void NoteKeeper::readNote(NoteWindow *note)
{
    const auto reader = m_seams.readNote ? m_seams.readNote : NoteFile::load;
    SlowReads::deliver(
        QtConcurrent::run(m_seams.reads->slowReads().pool(), reader, note->notePath()), note,
        [this, note](const NoteFile::Contents &contents) {
            if (!m_finished && !note->isClosed())
                showNote(note, contents);
        });
}

void NoteKeeper::showNote(NoteWindow *note, const NoteFile::Contents &contents)
{
    note->load(contents);
    note->whenSettled([this, note] { m_showing->ready(note); });
}

NoteWindow *NoteKeeper::note(int index) const
{
    if (index < 0 || index >= noteTableSize)
        return nullptr;
    return m_noteTable[index];
}

QList<NoteWindow *> NoteKeeper::openNotes() const
{
    QList<NoteWindow *> notes;
    const int count = qMin<int>(m_noteCount, noteTableSize);
    for (int index = 0; index < count; ++index)
        if (NoteWindow *note = m_noteTable[index]; note && !note->isClosed())
            notes.append(note);
    return notes;
}

QList<QRect> NoteKeeper::reachableAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

void NoteKeeper::bringIntoReach(const QList<QRect> &areas)
{
    for (NoteWindow *note : openNotes())
        note->bringIntoReach(areas);
}

void NoteKeeper::setNotesHidden(bool hidden)
{
    if (hidden == m_notesHidden)
        return;
    m_notesHidden = hidden;
    if (hidden) {
        for (NoteWindow *note : openNotes())
            if (note->isVisible()) {
                note->hide();
                m_hiddenNotes.append(note);
            }
        return;
    }
    const QList<QRect> areas = reachableAreas();
    for (NoteWindow *note : std::exchange(m_hiddenNotes, {}))
        if (note && !note->isClosed()) {
            note->bringIntoReach(areas);
            note->show();
        }
}

void NoteKeeper::stopClickThrough()
{
    for (NoteWindow *note : openNotes())
        note->desk()->stopClickThrough();
}

void NoteKeeper::setWebPage(const QUrl &page)
{
    m_webPage = page;
    for (NoteWindow *note : openNotes())
        note->setWebPage(page);
}

void NoteKeeper::gather(const QRect &area)
{
    int index = 0;
    for (NoteWindow *note : openNotes())
        note->moveForUser(ScreenReach::cascaded(index++, note->size(), area));
}

QString NoteKeeper::newNotePath() const
{
    return NoteFile::newPath(m_seams.folder, m_seams.clock->now());
}

void NoteKeeper::paste(const QMimeData *data)
{
    // A pasted picture is kept under the name of the note made for it.
    const QString notePath = newNotePath();
    const QString pngPath =
        QDir(m_seams.folder)
            .filePath(
                QStringLiteral("pictures/%1.png").arg(QFileInfo(notePath).completeBaseName()));
    const QString picture = PastedPicture::fileFor(data, pngPath);
    if (!picture.isEmpty())
        createNoteAt(picture, notePath, QPoint());
}

void NoteKeeper::createNote(const QString &path)
{
    createNoteAt(path, newNotePath(), QPoint());
}

void NoteKeeper::createNotes(const QStringList &pictures)
{
    // Each a step further down and right, so that none hides the one before.
    QPoint offset;
    for (const QString &picture : pictures) {
        m_toCreate.append({picture, offset});
        offset += QPoint(ScreenReach::cascadeStep, ScreenReach::cascadeStep);
    }
    createSomeNotes();
}

// Notes are made a slice at a time: thousands of pictures handed over at
// once leave the windows answering between the slices.
void NoteKeeper::createSomeNotes()
{
    QElapsedTimer slice;
    slice.start();
    while (!m_toCreate.isEmpty() && !m_finished && slice.elapsed() < creationSliceMs) {
        const auto [picture, offset] = m_toCreate.takeFirst();
        createNoteAt(picture, newNotePath(), offset);
    }
    if (m_finished)
        m_toCreate.clear();
    if (!m_toCreate.isEmpty())
        QTimer::singleShot(0, this, &NoteKeeper::createSomeNotes);
}

void NoteKeeper::createNoteAt(const QString &picturePath, const QString &notePath,
                              const QPoint &offset)
{
    const QPoint corner = m_newNoteCorner() + offset;
    const NoteRecord record =
        NoteState::newNoteRecord(picturePath, static_cast<float>(m_twips.fromPixels(corner.x())),
                                 static_cast<float>(m_twips.fromPixels(corner.y())));
    if (NoteFile::create(notePath, record))
        openNote(notePath, true);
}

QList<NoteKeeper::Unsaved> NoteKeeper::closeAllNotes()
{
    QList<Unsaved> unsaved;
    for (NoteWindow *note : openNotes()) {
        note->close();
        const NoteFile::Result result = note->saver().lastSave();
        if (result.failed())
            unsaved.append({note->notePath(), note->saver().unwritten(), result.error});
    }
    return unsaved;
}

void NoteKeeper::finish(bool askAboutUnsaved, QWidget *parent)
{
    if (m_finished)
        return;
    m_finished = true;
    QList<Unsaved> unsaved = closeAllNotes();
    while (askAboutUnsaved && !unsaved.isEmpty() &&
           m_seams.messageBox->askRetry(parent, unsavedText(unsaved)))
        unsaved = retried(unsaved);
    // Every note is written: the folder is free for the next copy from now
    // on, also when the process then ends without waiting for a decode.
    if (m_handoff)
        m_handoff->close();
    m_instance->release();
    emit finished();
}
