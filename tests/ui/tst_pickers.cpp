// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"
#include "ui/desktop/desktopsetup.h"
#include "ui/desktop/pickerbackend.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
// Runs @p step on the modal dialog as soon as it shows, as a person at the keyboard would.
void whenDialogShows(const std::function<void(QWidget *)> &step)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        step(dialog);
    });
    poll->start(20);
}
} // namespace

class TestPickers final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DesktopSetup::registerFonts(NoteState::defaultFontName()); }
    void fontPickerKeepsWhatIsLeftUntouched_data();
    void fontPickerKeepsWhatIsLeftUntouched();
    void fontPickerSetsAChosenFamily();
    void colourPickerStartsOnTheColour();
};

void TestPickers::fontPickerKeepsWhatIsLeftUntouched_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("size");
    QTest::addColumn<bool>("styled");
    QTest::addColumn<QString>("shown"); // the family the dialog starts on; empty: any
    QTest::newRow("the default, a substitute")
        << NoteState::defaultFontName() << 9.0f << false << QStringLiteral("IPAPGothic");
    QTest::newRow("not installed") << QStringLiteral("Nowhere Sans") << 10.5f << true << QString();
    QTest::newRow("installed") << QStringLiteral("DejaVu Sans") << 12.0f << true
                               << QStringLiteral("DejaVu Sans");
}

void TestPickers::fontPickerKeepsWhatIsLeftUntouched()
{
    QFETCH(QString, name);
    QFETCH(float, size);
    QFETCH(bool, styled);
    QFETCH(QString, shown);
    PickerSettings settings;
    settings.fontName = name;
    settings.fontSize = size;
    settings.bold = styled;
    settings.italic = styled;
    const PickerSettings before = settings;
    QString started;
    whenDialogShows([&started](QWidget *dialog) {
        started = static_cast<QFontDialog *>(dialog)->currentFont().family();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    PickerBackend().chooseFont(nullptr, settings);
    QCOMPARE(settings, before);
    if (!shown.isEmpty())
        QCOMPARE(started, shown);
}

void TestPickers::fontPickerSetsAChosenFamily()
{
    PickerSettings settings;
    settings.fontName = NoteState::defaultFontName();
    settings.fontSize = 9;
    whenDialogShows([](QWidget *dialog) {
        QListView *families = dialog->findChildren<QListView *>().value(0);
        families->setFocus();
        QTest::keyClicks(families, "DejaVu Serif");
        QTest::keyClick(families, Qt::Key_Return);
    });
    PickerBackend().chooseFont(nullptr, settings);
    QCOMPARE(settings.fontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(settings.fontSize, 9.0f);
}

void TestPickers::colourPickerStartsOnTheColour()
{
    // Flags 0, as before any font command: OK at once keeps the colour.
    PickerSettings settings;
    settings.colour = 0x000000FF;
    QColor shown;
    whenDialogShows([&shown](QWidget *dialog) {
        shown = static_cast<QColorDialog *>(dialog)->currentColor();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    PickerBackend().chooseColour(nullptr, settings);
    QCOMPARE(shown, QColor(Qt::red));
    QCOMPARE(settings.colour, 0x000000FF);
}

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
