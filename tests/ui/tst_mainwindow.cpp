// SPDX-License-Identifier: MIT
#include "core/reads/picturepool.h"
#include "core/record/codepage932.h"
#include "core/record/notestate.h"
#include "core/storage/panepage.h"
#include "core/storage/singleinstance.h"
#include "support/drops.h"
#include "support/fulldisk.h"
#include "support/notefiles.h"
#include "support/testseams.h"
#include "ui/note/notedesk.h"
#include "ui/note/notemenu.h"
#include "ui/note/notewindow.h"
#include "ui/note/pictureview.h"
#include "ui/shell/droplabel.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/notekeeper.h"
#include "ui/shell/startuphold.h"
#include "ui/webpane/webpane.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <csignal>

namespace {
QByteArray newNoteBytes(const QString &picture)
{
    return NoteState::newNoteRecord(picture, 1200, 900).toBytes();
}

// Records the order in which watched windows receive their close event.
class CloseOrder final : public QObject
{
public:
    QStringList closed;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            closed.append(static_cast<NoteWindow *>(watched)->notePath());
        return false;
    }
};

} // namespace

class TestMainWindow final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensNoteFilesInNameOrder();
    void fillsTheNoteTableAt101();
    void holdsPicturesBackWhileNotesComeOnScreen();
    void holdEndsWhenWindowsGoOrAtTheDeadline();
    void refusesASecondCopy();
    void takesOverALeftBehindLock();
    void locksTheNotesFolderWhateverTheTemporaryFolder();
    void showsTheDropZoneDesign();
    void breaksTheDropTextOnlyAtItsSpace_data();
    void breaksTheDropTextOnlyAtItsSpace();
    void hidesOnMinimiseOnlyWithATray();
    void restoresOnTrayPresses();
    void exitClosesNotesInOpeningOrder();
    void quitSignalRunsTheSameExit();
    void closingOffersToRetryUnsavedNotes_data();
    void closingOffersToRetryUnsavedNotes();
    void tellsOfNotesItCannotWrite();
    void dropMakesANewNote();
    void dropOfNonPictureOrTextOnly();
    void dropIntoAnUnwritableFolderMakesNothing();
    void dropIntoAFullTableStillWritesTheFile();
    void menuStartsAtLoginShowsTheFolderAndChoosesThePage();
    void trayMenuHidesAndShowsNotesAndFreesTheirClicks();
    // Last: it ends the application's event loop.
    void endOfTheApplicationRunsTheSameExit();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestSeams> m_seams;
    std::unique_ptr<MainWindow> m_window;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    void startWindow()
    {
        m_window = std::make_unique<MainWindow>(m_seams->seams);
        QVERIFY(m_window->start());
        QTRY_VERIFY(notesShown());
    }
    // The user drags note @p index to 100, 60 (1500, 900 twips), which its file then keeps.
    void moveNote(int index) { m_window->note(index)->moveForUser(QPoint(100, 60)); }
    // Every note of the table read and on the screen, as the user sees them.
    bool notesShown() const
    {
        for (int index = 0; index < qMin<int>(m_window->noteCount(), 101); ++index)
            if (NoteWindow *note = m_window->note(index); note && !note->isVisible())
                return false;
        return true;
    }
};

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_seams = std::make_unique<TestSeams>(m_dir->path());
}

void TestMainWindow::cleanup()
{
    if (m_window)
        m_window->shutdown();
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMainWindow::opensNoteFilesInNameOrder()
{
    for (const char *name : {"10.dat", "9.dat", "b.DAT", "a.txt", ".x.dat"})
        QVERIFY(NoteFiles::write(path(name), newNoteBytes(QString())));
    QVERIFY(QDir(m_dir->path()).mkdir("y.dat"));
    startWindow();
    QCOMPARE(m_window->noteCount(), qint16(3));
    QCOMPARE(m_window->note(0)->notePath(), path("10.dat"));
    QCOMPARE(m_window->note(1)->notePath(), path("9.dat"));
    QCOMPARE(m_window->note(2)->notePath(), path("b.DAT"));
    QCOMPARE(m_window->note(3), nullptr);
    QVERIFY(m_window->note(2)->isVisible());
}

void TestMainWindow::holdsPicturesBackWhileNotesComeOnScreen()
{
    const QString picture = path("p.png");
    QVERIFY(NoteFiles::picture(picture, QSize(40, 30), Qt::red));
    for (const char *name : {"1.dat", "2.dat"})
        QVERIFY(NoteFiles::write(path(name), newNoteBytes(picture)));
    PicturePool *pool = &m_seams->reads.decodes();
    const int full = pool->maxThreadCount();
    m_window = std::make_unique<MainWindow>(m_seams->seams);
    QVERIFY(m_window->start());
    QVERIFY(pool->isHeldBack());
    QCOMPARE(pool->maxThreadCount(), qMax(1, full - 1));
    // Held back, pictures still decode; once both notes are painted (long
    // before the deadline) the pool has every thread again.
    QTRY_VERIFY(!m_window->note(1)->findChild<PictureView *>()->pixels().isNull());
    QTRY_VERIFY_WITH_TIMEOUT(!pool->isHeldBack(), 2000);
    QCOMPARE(pool->maxThreadCount(), full);
}

void TestMainWindow::holdEndsWhenWindowsGoOrAtTheDeadline()
{
    PicturePool *pool = &m_seams->reads.decodes();
    StartupHold::begin(*pool)->releaseWhenPainted(std::chrono::hours(1));
    QVERIFY(!pool->isHeldBack()); // nothing to wait for

    // A window that is never shown is never painted: the deadline ends the hold.
    auto hidden = std::make_unique<QWidget>();
    StartupHold *hold = StartupHold::begin(*pool);
    hold->watch(hidden.get());
    hold->releaseWhenPainted(std::chrono::milliseconds(50));
    QVERIFY(pool->isHeldBack());
    QTRY_VERIFY_WITH_TIMEOUT(!pool->isHeldBack(), 2000);

    // A window that goes before it is painted no longer counts.
    auto painted = std::make_unique<QWidget>();
    hold = StartupHold::begin(*pool);
    hold->watch(hidden.get());
    hold->watch(painted.get());
    hold->releaseWhenPainted(std::chrono::hours(1));
    painted->show();
    QVERIFY(QTest::qWaitForWindowExposed(painted.get()));
    QTest::qWait(50);
    QVERIFY(pool->isHeldBack());
    hidden.reset();
    QVERIFY(!pool->isHeldBack());
}

void TestMainWindow::fillsTheNoteTableAt101()
{
    for (int i = 0; i < 105; ++i)
        QVERIFY(NoteFiles::write(path(QStringLiteral("%1.dat").arg(i, 3, 10, QLatin1Char('0'))),
                                 newNoteBytes(QString())));
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    for (int i = 101; i < 105; ++i) {
        QFile file(path(QStringLiteral("%1.dat").arg(i)));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    startWindow();
    QCOMPARE(m_window->noteCount(), qint16(105));
    QVERIFY(m_window->note(100));
    QCOMPARE(m_window->note(100)->notePath(), path("100.dat"));
    m_window->shutdown();
    for (int i = 101; i < 105; ++i) {
        const QString name = path(QStringLiteral("%1.dat").arg(i));
        QCOMPARE(NoteFiles::read(name), newNoteBytes(QString()));
        QCOMPARE(QFileInfo(name).lastModified(), old);
    }
    // Opened notes that the user did not change are left as they were.
    QCOMPARE(NoteFiles::read(path("100.dat")), newNoteBytes(QString()));
}

void TestMainWindow::refusesASecondCopy()
{
    QVERIFY(NoteFiles::write(path("1.dat"), newNoteBytes(QString())));
    QLockFile firstCopy(SingleInstance::lockPath(m_dir->path()));
    QVERIFY(firstCopy.tryLock(0));
    MainWindow second(m_seams->seams);
    QVERIFY(!second.start());
    QCOMPARE(m_seams->messageBox.notices, QStringList{QStringLiteral("既に起動されています")});
    QCOMPARE(second.trayIcon(), nullptr);
    QCOMPARE(second.noteCount(), qint16(0));
    QVERIFY(!second.isVisible());
    QCOMPARE(NoteFiles::read(path("1.dat")), newNoteBytes(QString()));
    // The lock is not in the notes folder, which a sync tool would carry elsewhere.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"1.dat"});
}

void TestMainWindow::locksTheNotesFolderWhateverTheTemporaryFolder()
{
    // No runtime folder to be had (a file where it should be, and none to
    // make under the temporary folder): the lock is kept in the notes folder.
    const QByteArray tmpdir = qgetenv("TMPDIR");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    QVERIFY(NoteFiles::write(path("no-folder"), "a file"));
    qputenv("TMPDIR", QFile::encodeName(path("no-folder")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path("no-folder")));
    startWindow();
    MainWindow second(m_seams->seams);
    const bool secondStarted = second.start();
    const QString lock = SingleInstance::lockPath(m_dir->path());
    qputenv("TMPDIR", tmpdir);
    if (runtime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", runtime);
    QVERIFY(!secondStarted);
    QCOMPARE(m_seams->messageBox.notices, QStringList{QStringLiteral("既に起動されています")});
    QCOMPARE(lock, path(".quillnote.lock"));
}

void TestMainWindow::takesOverALeftBehindLock()
{
    // A copy that died keeps its lock file; the process named in it is gone.
    QProcess dead;
    dead.start(QStringLiteral("true"), {});
    QVERIFY(dead.waitForFinished());
    const qint64 deadPid = dead.processId() ? dead.processId() : 999999;
    QVERIFY(NoteFiles::write(SingleInstance::lockPath(m_dir->path()),
                             QByteArray::number(deadPid > 0 ? deadPid : 999999) + "\nquillnote\n" +
                                 QSysInfo::machineHostName().toUtf8() + "\n"));
    startWindow();
    QVERIFY(m_seams->messageBox.notices.isEmpty());
    QVERIFY(m_window->trayIcon());
}

void TestMainWindow::showsTheDropZoneDesign()
{
    startWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("quillnote 1.0"));
    QCOMPARE(m_window->size(), QSize(217, 89));
    QCOMPARE(m_window->trayIcon()->toolTip(), QStringLiteral("quillnote 1.0"));
    QVERIFY(!m_window->trayIcon()->icon().isNull());
    auto *label = m_window->findChild<QWidget *>("dropLabel");
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(24, 32, 169, 25));
    QVERIFY(!label->isEnabled());
    QVERIFY(m_window->acceptDrops());
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QImage shot = m_window->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 2), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(shot.pixelColor(8, 40), QColor(0xC0, 0xC0, 0xC0));
}

void TestMainWindow::breaksTheDropTextOnlyAtItsSpace_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("96 DPI") << 169;
    QTest::newRow("144 DPI") << 254;
}

void TestMainWindow::breaksTheDropTextOnlyAtItsSpace()
{
    QFETCH(int, width);
    DropLabel label;
    QFont font = label.font();
    font.setPixelSize(12);
    label.setFont(font);
    label.resize(width, 40);
    label.setFittedText(QStringLiteral("ここにｲﾒｰｼﾞﾌｧｲﾙをﾄﾞﾛｯﾌﾟすると 新しい付箋紙を作成します"));
    const QStringList lines = label.text().split(u'\n');
    QCOMPARE(lines, (QStringList{QStringLiteral("ここにｲﾒｰｼﾞﾌｧｲﾙをﾄﾞﾛｯﾌﾟすると"),
                                 QStringLiteral("新しい付箋紙を作成します")}));
    for (const QString &line : lines)
        QVERIFY(QFontMetricsF(label.font()).horizontalAdvance(line) <= width);
}

void TestMainWindow::hidesOnMinimiseOnlyWithATray()
{
    startWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_seams->trayAvailable = false;
    m_window->showMinimized();
    QTest::qWait(50);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->isMinimized());

    // A tray that appears later counts from the next minimise on.
    m_window->showNormal();
    m_seams->trayAvailable = true;
    m_window->showMinimized();
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(m_window->isMinimized());
}

void TestMainWindow::restoresOnTrayPresses()
{
    startWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QSystemTrayIcon *tray = m_window->trayIcon();
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context}) {
        m_window->showMinimized();
        QTRY_VERIFY(!m_window->isVisible());
        emit tray->activated(reason);
        QTRY_VERIFY(m_window->isVisible());
        QVERIFY(!m_window->isMinimized());
    }
    m_window->showMinimized();
    QTRY_VERIFY(!m_window->isVisible());
    emit tray->activated(QSystemTrayIcon::DoubleClick);
    emit tray->activated(QSystemTrayIcon::MiddleClick);
    emit tray->activated(QSystemTrayIcon::Unknown);
    QTest::qWait(50);
    QVERIFY(!m_window->isVisible());
}

void TestMainWindow::exitClosesNotesInOpeningOrder()
{
    for (const char *name : {"1.dat", "2.dat", "3.dat"})
        QVERIFY(NoteFiles::write(path(name), newNoteBytes(QString())));
    startWindow();
    CloseOrder order;
    for (int i = 0; i < 3; ++i)
        m_window->note(i)->installEventFilter(&order);
    m_seams->messageBox.answer = true;
    m_window->note(1)->menu()->discardAction->trigger();
    QVERIFY(!QFile::exists(path("2.dat")));
    order.closed.clear();
    moveNote(2);

    QSignalSpy finished(m_window.get(), &MainWindow::finished);
    m_window->shutdown();
    QCOMPARE(order.closed, (QStringList{path("1.dat"), path("3.dat")}));
    QVERIFY(!m_window->trayIcon()->isVisible());
    QVERIFY(!QFile::exists(path("2.dat")));
    QVERIFY(NoteFiles::read(path("3.dat")).contains(",1500,900,"));
    QCOMPARE(NoteFiles::read(path("1.dat")), newNoteBytes(QString()));
    m_window->shutdown();
    QCOMPARE(finished.count(), 1);
}

void TestMainWindow::quitSignalRunsTheSameExit()
{
    QVERIFY(NoteFiles::write(path("1.dat"), newNoteBytes(QString())));
    startWindow();
    moveNote(0);
    QSignalSpy finished(m_window.get(), &MainWindow::finished);
    ::raise(SIGTERM);
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(NoteFiles::read(path("1.dat")).contains(",1500,900,"));
    QVERIFY(!m_window->trayIcon()->isVisible());
}

void TestMainWindow::closingOffersToRetryUnsavedNotes_data()
{
    QTest::addColumn<bool>("retry");
    QTest::newRow("retry once the disk has room") << true;
    QTest::newRow("quit without them") << false;
}

void TestMainWindow::closingOffersToRetryUnsavedNotes()
{
    QFETCH(bool, retry);
    const QByteArray old = newNoteBytes(QString());
    QVERIFY(NoteFiles::write(path("1.dat"), old));
    startWindow();
    // The disk is full while the notes are written.
    FullDisk disk;
    QVERIFY(disk.fill(16));
    moveNote(0);
    m_seams->messageBox.retry = retry;
    m_seams->messageBox.beforeRetry = [&disk] {
        disk.free();
    };
    QSignalSpy finished(m_window.get(), &MainWindow::finished);
    m_window->close();
    QVERIFY(disk.free());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_seams->messageBox.questions.size(), 1);
    QVERIFY(m_seams->messageBox.questions[0].startsWith(
        QStringLiteral("保存できなかった付箋紙があります。\n\n1.dat: ")));
    if (retry)
        QVERIFY(NoteFiles::read(path("1.dat")).contains(",1500,900,"));
    else
        QCOMPARE(NoteFiles::read(path("1.dat")), old);
}

void TestMainWindow::tellsOfNotesItCannotWrite()
{
    using namespace std::chrono_literals;
    m_seams->seams.saverDelays = {10ms, 30ms, 10ms, 40ms, 100ms};
    QVERIFY(NoteFiles::write(path("1.dat"), newNoteBytes(QString())));
    startWindow();
    FullDisk disk;
    QVERIFY(disk.fill(16));
    moveNote(0);
    const QString told = QStringLiteral("quillnote 1.0 - 保存できない付箋紙があります (1)");
    QTRY_COMPARE(m_window->windowTitle(), told);
    QCOMPARE(m_window->trayIcon()->toolTip(), told);
    // Once there is room, the write is tried again and the notice goes.
    QVERIFY(disk.free());
    QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("quillnote 1.0"));
    QVERIFY(NoteFiles::read(path("1.dat")).contains(",1500,900,"));
}

void TestMainWindow::dropMakesANewNote()
{
    for (const char *name : {"1.dat", "2.dat", "3.dat"})
        QVERIFY(NoteFiles::write(path(name), newNoteBytes(QString())));
    const QString picture = path("写真 one.png");
    QVERIFY(NoteFiles::picture(picture, QSize(40, 30), Qt::red));
    startWindow();
    m_window->move(80, 60); // 1200, 900 twips
    QTRY_COMPARE(m_window->pos(), QPoint(80, 60));
    dropOn(m_window.get(), {QUrl::fromLocalFile(picture), QUrl::fromLocalFile(path("1.dat")),
                            QUrl::fromLocalFile(path("2.dat"))});
    const QString notePath = path("298260215.25.dat");
    QCOMPARE(NoteFiles::read(notePath), newNoteBytes(picture));
    QCOMPARE(m_window->noteCount(), qint16(4));
    NoteWindow *note = m_window->note(3);
    QVERIFY(note);
    QTRY_VERIFY(note->isVisible());
    QCOMPARE(note->notePath(), notePath);
    QCOMPARE(note->picturePath(), picture);
    QCOMPARE(note->pictureRatio(), 0.75f);
    QCOMPARE(note->pos(), QPoint(80, 60));
    QCOMPARE(note->size(), QSize(200, 200));
    QCOMPARE(QDir(m_dir->path()).entryList({"*.dat"}).size(), 4);
}

void TestMainWindow::dropOfNonPictureOrTextOnly()
{
    const QString text = path("readme.txt");
    QVERIFY(NoteFiles::write(text, "not a picture"));
    startWindow();
    dropOn(m_window.get(), {}, QStringLiteral("just text"));
    dropOn(m_window.get(), {QUrl(QStringLiteral("https://example.com/a.png"))});
    QCOMPARE(m_window->noteCount(), qint16(0));
    QCOMPARE(QDir(m_dir->path()).entryList({"*.dat"}), QStringList());

    dropOn(m_window.get(), {QUrl::fromLocalFile(text)});
    QCOMPARE(m_window->noteCount(), qint16(1));
    NoteWindow *note = m_window->note(0);
    QTRY_VERIFY(note->isVisible());
    QCOMPARE(note->pictureRatio(), 1.0f);
    const QString notePath = note->notePath();
    m_window->shutdown();
    QCOMPARE(NoteFiles::read(notePath), NoteState::newNoteRecord(text, 0, 0).toBytes());
}

void TestMainWindow::dropIntoAnUnwritableFolderMakesNothing()
{
    const QString picture = path("p.png");
    QVERIFY(NoteFiles::picture(picture, QSize(4, 4), Qt::blue));
    m_seams->seams.folder = path("gone");
    startWindow();
    dropOn(m_window.get(), {QUrl::fromLocalFile(picture)});
    QCOMPARE(m_window->noteCount(), qint16(0));
    QVERIFY(!QFileInfo::exists(path("gone")));
}

void TestMainWindow::dropIntoAFullTableStillWritesTheFile()
{
    for (int i = 0; i < 101; ++i)
        QVERIFY(NoteFiles::write(path(QStringLiteral("%1.dat").arg(i, 3, 10, QLatin1Char('0'))),
                                 newNoteBytes(QString())));
    startWindow();
    dropOn(m_window.get(), {QUrl::fromLocalFile(path("000.dat"))});
    QCOMPARE(m_window->noteCount(), qint16(102));
    QVERIFY(QFile::exists(path("298260215.25.dat")));
    QCOMPARE(m_window->note(101), nullptr);
}

void TestMainWindow::menuStartsAtLoginShowsTheFolderAndChoosesThePage()
{
    QVERIFY(NoteFiles::write(path("1.dat"), newNoteBytes(QString())));
    startWindow();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // A right click as the desktop delivers it, then a click on an item.
    const auto choose = [this](const char *name) {
        QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, QPoint(12, 12));
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QAction *action = menu->findChild<QAction *>(QLatin1String(name));
        QVERIFY(action);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());
    };
    const QString entry = path(QStringLiteral("autostart/io.github.quillnote.quillnote.desktop"));
    choose("startAtLogin");
    QVERIFY(QFile::exists(entry));
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\nExec=" + QCoreApplication::applicationFilePath().toUtf8()));
    file.close();
    choose("startAtLogin");
    QVERIFY(!QFile::exists(entry));
    choose("openNotesFolder");
    QCOMPARE(m_seams->openedFolders, QStringList{m_dir->path()});
    QVERIFY(m_seams->messageBox.notices.isEmpty());
    // A desktop without a folder opener: the user is told the folder's path.
    m_seams->folderOpens = false;
    choose("openNotesFolder");
    QCOMPARE(m_seams->messageBox.notices.size(), 1);
    QVERIFY(m_seams->messageBox.notices[0].endsWith(QDir::toNativeSeparators(m_dir->path())));
    choose("about");
    QCOMPARE(m_seams->messageBox.notices.size(), 2);
    QVERIFY(m_seams->messageBox.notices[1].contains(QDir::toNativeSeparators(m_dir->path())));
    QVERIFY(m_seams->messageBox.notices[1].contains(QLatin1String("MIT")));
    // The panes' page: only an http or https address is taken, kept for the next start.
    const auto pane = [this] {
        return m_window->note(0)->findChild<WebPane *>("webPane");
    };
    m_seams->messageBox.typed = QStringLiteral("file:///etc/passwd");
    choose("webPage");
    QCOMPARE(m_seams->messageBox.questions.last(), PanePage::defaultPage().toString());
    QCOMPARE(m_seams->messageBox.notices.size(), 3);
    QCOMPARE(pane()->url(), PanePage::defaultPage());
    m_seams->messageBox.typed = QStringLiteral(" https://example.org/page ");
    choose("webPage");
    const QUrl chosen(QStringLiteral("https://example.org/page"));
    QCOMPARE(pane()->url(), chosen);
    m_window->close();
    startWindow();
    QCOMPARE(pane()->url(), chosen);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // Shift+F10 opens the same menu from the keyboard.
    QTest::keyClick(m_window.get(), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QApplication::activePopupWidget()->close();
}

// Hiding writes nothing and holds back the notes that open meanwhile, but
// not one the user makes; a click-through note takes clicks again, locked
// or not, and keeps its other settings.
void TestMainWindow::trayMenuHidesAndShowsNotesAndFreesTheirClicks()
{
    const QByteArray plain = newNoteBytes(QString());
    QVERIFY(NoteFiles::write(path("1.dat"), plain));
    QVERIFY(
        NoteFiles::write(path("2.dat"), plain + "~quillnote-desk locked=yes clickthrough=yes\r\n"));
    startWindow();
    QMenu *menu = m_window->trayIcon()->contextMenu();
    QVERIFY(menu);
    const auto choose = [menu](const char *name) {
        emit menu->aboutToShow();
        QAction *action = menu->findChild<QAction *>(QLatin1String(name));
        const QString text = action->text();
        action->trigger();
        return text;
    };
    QCOMPARE(choose("hideOrShowNotes"), QStringLiteral("すべての付箋紙を隠す"));
    QVERIFY(!m_window->note(0)->isVisible() && !m_window->note(1)->isVisible());
    // One from the folder, then one of the user's, shown in the table's order.
    QVERIFY(NoteFiles::write(path("3.dat"), plain));
    m_window->keeper()->openNote(path("3.dat"));
    m_window->keeper()->createNote(path("picture.png"));
    QTRY_VERIFY(m_window->note(3) && m_window->note(3)->isVisible());
    QVERIFY(!m_window->note(2)->isVisible());
    QCOMPARE(choose("hideOrShowNotes"), QStringLiteral("すべての付箋紙を表示する"));
    QTRY_VERIFY(notesShown());
    choose("stopClickThrough");
    QVERIFY(!m_window->note(1)->desk()->settings().clickThrough);
    QVERIFY(m_window->note(1)->desk()->isLocked());
    m_window->close();
    QCOMPARE(NoteFiles::read(path("1.dat")), plain);
    QVERIFY(NoteFiles::read(path("2.dat")).endsWith("~quillnote-desk locked=yes\r\n"));
}

void TestMainWindow::endOfTheApplicationRunsTheSameExit()
{
    QVERIFY(NoteFiles::write(path("1.dat"), newNoteBytes(QString())));
    startWindow();
    moveNote(0);
    QSignalSpy finished(m_window.get(), &MainWindow::finished);
    // The event loop ends without any window being closed first.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QCOMPARE(finished.count(), 1);
    QVERIFY(NoteFiles::read(path("1.dat")).contains(",1500,900,"));
    QVERIFY(!m_window->trayIcon()->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
