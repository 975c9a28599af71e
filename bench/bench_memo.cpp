// SPDX-License-Identifier: MIT
// How long the GUI thread is held by a long memo: a note opened, its memo
// clicked into for editing, typed into, pasted into its end once more and
// typed into again, and editing ended, for a short memo
// (the baseline) and for memos of BYTES characters as one paragraph of
// words, as short lines, and as one unbroken run (a pasted hash list).
// Prints the longest step of each phase in milliseconds: each step is one
// user event followed by everything it queued (layout and paint), during
// which the window cannot answer.
// Run on an X server: bench_memo [BYTES [KIND...]], KIND one of words, lines, unbroken.
#include "ui/desktop/desktopsetup.h"
#include "ui/note/memoedit.h"
#include "ui/note/memolabel.h"

#include "benchnotes.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {
// Milliseconds that @p step and the events it leaves behind take.
double timed(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

QString memoOf(const QString &kind, qsizetype size)
{
    if (kind == QLatin1String("short"))
        return QStringLiteral("a short memo of a few words");
    const QString unit = kind == QLatin1String("words")   ? QStringLiteral("lorem ipsum dolor ")
                         : kind == QLatin1String("lines") ? QStringLiteral("lorem ipsum dolor\n")
                                                          : QStringLiteral("0123456789abcdef");
    QString memo;
    memo.reserve(size + unit.size());
    while (memo.size() < size)
        memo += unit;
    return memo.left(size);
}

void measure(const QString &kind, qsizetype size)
{
    QTemporaryDir dir;
    NoteState state;
    state.picturePath = dir.filePath(QStringLiteral("none.png"));
    state.width = 4500;
    state.height = 4500;
    state.memo = memoOf(kind, size);
    QFile file(dir.filePath(QStringLiteral("1.dat")));
    if (!file.open(QIODevice::WriteOnly) || file.write(state.toRecord().toBytes()) < 0)
        return;
    file.close();
    DesktopSeams desktop;
    BenchNotes::FixedChoice picker;
    MainWindow window(BenchNotes::quietSeams(desktop, &picker, dir.path()));
    const double open = timed([&] { window.start(); });
    NoteWindow *note = window.note(0);
    // Clicks reach only a window that the X server shows.
    if (!QTest::qWaitForWindowExposed(note))
        return;
    auto *label = note->findChild<MemoLabel *>(QStringLiteral("memoLabel"));
    const double edit = timed([&] { QTest::mouseClick(label, Qt::LeftButton); });
    QWidget *editor = note->memoEdit();
    double typing = 0;
    for (int key = 0; key < 20; ++key)
        typing = std::max(typing, timed([&] { QTest::keyClick(editor, Qt::Key_A); }));
    // The memo pasted once more at its end, and typed into after it.
    QGuiApplication::clipboard()->setText(state.memo);
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    const double paste = timed([&] { QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier); });
    for (int key = 0; key < 20; ++key)
        typing = std::max(typing, timed([&] { QTest::keyClick(editor, Qt::Key_A); }));
    QWidget *surface = note->findChild<QWidget *>(QStringLiteral("surface"));
    const double end = timed([&] { QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(3, 3)); });
    std::printf(
        "%-8s %9lld chars: open %8.1f  edit %8.1f  keystroke %8.1f  paste %8.1f  end %8.1f ms\n",
        qPrintable(kind), static_cast<long long>(state.memo.size()), open, edit, typing, paste,
        end);
    std::fflush(stdout);
    window.shutdown();
}
} // namespace

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    DesktopSetup::registerFonts(NoteState::defaultFontName());
    const qsizetype size = argc > 1 ? QByteArray(argv[1]).toLongLong() : 5 * 1024 * 1024;
    QStringList kinds{QStringLiteral("words"), QStringLiteral("lines"), QStringLiteral("unbroken")};
    if (argc > 2)
        kinds = QCoreApplication::arguments().mid(2);
    measure(QStringLiteral("short"), size);
    for (const QString &kind : kinds)
        measure(kind, size);
    return 0;
}
