// SPDX-License-Identifier: MIT
// The program's web panes at scale: 101 notes with small pictures and their
// panes shown, as bench_plainweb shows its views. Prints what
// PaneSettling::reportWhenSettled does, then, for 30 panes without a live
// view one after the other, how long after the pointer entered it the pane
// held a live view showing the page ("live_ms", the longest, and
// "live_all_ms"); a page that does not load counts once the view is there.
// Last, the memory two seconds after that ("pss_after_mib"): a note that
// held a live view costs nothing after it.
// Run on an X server as an ordinary user: bench_webpanes
#include "ui/webpane/liveview.h"
#include "ui/webpane/webpane.h"

#include "benchnotes.h"
#include "panesettling.h"

#include "ui/desktop/desktopsetup.h"

#include <QCursor>

namespace {
// Panes the pointer enters in turn: more than there are live views, each in a note of its own.
constexpr int enteredPanes = 30;

bool writeNotes(const QTemporaryDir &dir)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    if (!picture.save(dir.filePath("picture.png")))
        return false;
    for (int i = 0; i < PaneSettling::windows; ++i) {
        NoteState state;
        state.picturePath = dir.filePath("picture.png");
        state.left = float(PaneSettling::place(i).x() * 15);
        state.top = float(PaneSettling::place(i).y() * 15);
        state.width = 3000;
        state.height = 3000;
        state.webPaneShown = true;
        state.memo = QStringLiteral("note %1").arg(i);
        QFile file(dir.filePath(QStringLiteral("%1.dat").arg(i, 3, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(state.toRecord().toBytes()) < 0)
            return false;
    }
    return true;
}

QList<QWidget *> notes(const MainWindow &window)
{
    QList<QWidget *> shown;
    for (int i = 0; i < MainWindow::noteTableSize; ++i)
        if (NoteWindow *note = window.note(i))
            shown.append(note);
    return shown;
}

// A pane without a live view that the pointer reaches where its note shows it.
WebPane *stillPane(const MainWindow &window, QPoint *at)
{
    const QList<QWidget *> shown = notes(window);
    for (auto note = shown.crbegin(); note != shown.crend(); ++note) {
        auto *pane = (*note)->findChild<WebPane *>(QStringLiteral("webPane"));
        *at = pane->mapToGlobal(QPoint(100, 15));
        if (!pane->hasView() && QApplication::widgetAt(*at) == pane)
            return pane;
    }
    return nullptr;
}

// Moves the pointer into still panes in turn and prints how long each took to be live.
void enterStillPanes(const MainWindow &window, bool served, std::function<void()> done)
{
    auto *timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    auto target = std::make_shared<QPointer<WebPane>>();
    auto times = std::make_shared<QList<qint64>>();
    QObject::connect(timer, &QTimer::timeout, [=, &window] {
        if (*target) {
            const LiveView *view = (*target)->view();
            if (!view || (served && !view->isVisible()))
                return;
            times->append(clock->elapsed());
            *target = nullptr;
            if (times->size() == enteredPanes) {
                timer->stop();
                QStringList all;
                for (qint64 ms : std::as_const(*times))
                    all.append(QString::number(ms));
                std::printf("live_ms %lld\nlive_all_ms %s\n",
                            *std::max_element(times->begin(), times->end()),
                            qPrintable(all.join(QLatin1Char(','))));
                std::fflush(stdout);
                done();
            }
            return;
        }
        QPoint at;
        *target = stillPane(window, &at);
        if (!*target) {
            timer->stop();
            std::printf("live_ms none\n");
            done();
            return;
        }
        clock->start();
        QCursor::setPos(at);
    });
    timer->start(2);
}
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    const bool served = app.arguments().contains(QStringLiteral("served"));
    QTemporaryDir dir;
    if (!writeNotes(dir))
        return 1;
    QCursor::setPos(1270, 1010);
    DesktopSeams desktop;
    BenchNotes::FixedChoice picker;
    Seams seams = BenchNotes::quietSeams(desktop, &picker, dir.path());
    seams.webPanes = desktop.forFolder(dir.path()).webPanes; // live panes after all
    MainWindow window(seams);
    if (!window.start())
        return 1;
    PaneSettling::reportWhenSettled(
        sinceLaunch, [&window] { return notes(window); },
        [&] {
            enterStillPanes(window, served, [&] {
                QTest::qWait(2000);
                std::printf("pss_after_mib %.0f\n",
                            double(PaneSettling::treePssKiB().first) / 1024);
                window.shutdown();
                QCoreApplication::quit();
            });
        });
    return QApplication::exec();
}
