// SPDX-License-Identifier: MIT
#include "support/testseams.h"
#include "ui/desktop/messagebox.h"
#include "ui/desktop/translation.h"
#include "ui/note/notemenu.h"
#include "ui/shell/droplabel.h"
#include "ui/shell/mainmenu.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/notekeeper.h"
#include "ui/shell/traymenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <functional>

namespace {
struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a translation file, in its order.
QList<Message> readMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isEndElement() || !xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, false});
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

const QString committedTexts =
    QStringLiteral(QUILLNOTE_SOURCE_DIR "/resources/translations/quillnote_en.ts");

// A text as a line of the README's table shows it: one line, no accelerator mark.
QString asTableCell(QString text)
{
    return text.remove(u'&').simplified();
}

bool hasJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

// Every label and button of @p window shows English whole, and the window is on the screen.
void checkShownWhole(QWidget *window)
{
    QVERIFY(!hasJapanese(window->windowTitle()));
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible())
            continue;
        QVERIFY2(!hasJapanese(label->text()), qPrintable(label->text()));
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->text()));
            continue;
        }
        // Each line's ink inside the label, where the label's lines go.
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(u'\n');
        for (qsizetype line = 0; line < lines.size(); ++line) {
            const QRect ink = metrics.tightBoundingRect(lines[line]);
            QVERIFY2(ink.right() < label->contentsRect().width(), qPrintable(lines[line]));
            const int bottom = int(line) * metrics.lineSpacing() + metrics.ascent() + ink.bottom();
            QVERIFY2(bottom < label->contentsRect().height(), qPrintable(lines[line]));
        }
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        QVERIFY2(!hasJapanese(button->text()), qPrintable(button->text()));
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }
}

// Every item of @p menu has its English whole and an accelerator letter of its own.
void checkMenu(QMenu *menu)
{
    menu->popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(menu->screen()->availableGeometry().contains(menu->geometry()));
    QSet<QChar> letters;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString text = action->text();
        QVERIFY2(!hasJapanese(text), qPrintable(text));
        const qsizetype mark = text.indexOf(u'&');
        QVERIFY2(mark >= 0 && mark + 1 < text.size(), qPrintable(text));
        QVERIFY2(!letters.contains(text.at(mark + 1).toLower()), qPrintable(text));
        letters.insert(text.at(mark + 1).toLower());
        const int width = menu->fontMetrics().horizontalAdvance(asTableCell(text));
        QVERIFY2(width < menu->actionGeometry(action).width(), qPrintable(text));
    }
    menu->close();
}

// Runs @p check on the message box that @p show opens, then closes it.
void checkBox(const std::function<void()> &show)
{
    bool checked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || !QTest::qWaitForWindowExposed(box))
            return;
        poll.stop();
        checkShownWhole(box);
        checked = true;
        box->close();
    });
    poll.start(10);
    show();
    QVERIFY(checked);
}
} // namespace

class TestEnglish final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everySourceTextHasItsEnglish_data();
    void everySourceTextHasItsEnglish();
    void englishTextsShowWhole_data();
    void englishTextsShowWhole();
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();

private:
    QTemporaryDir m_dir;
};

void TestEnglish::initTestCase()
{
    QVERIFY(Translation::install(*QCoreApplication::instance(), QLocale(QStringLiteral("en_GB"))));
}

void TestEnglish::everySourceTextHasItsEnglish_data()
{
    // The texts of the sources as they are now, not as the committed file lists them.
    const QString scanned = m_dir.filePath(QStringLiteral("scanned_en.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUILLNOTE_LUPDATE),
                  {QStringLiteral(QUILLNOTE_SOURCE_DIR "/src"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-ts"), scanned});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    const QList<Message> messages = readMessages(scanned);
    QVERIFY(messages.size() >= 20);
    for (const Message &message : messages)
        QTest::addRow("%s: %s", qPrintable(message.context),
                      qPrintable(message.source.section(u'\n', 0, 0)))
            << message.context << message.source;
}

void TestEnglish::everySourceTextHasItsEnglish()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    static const QList<Message> committed = readMessages(committedTexts);
    const auto found = std::find_if(committed.begin(), committed.end(), [&](const Message &m) {
        return m.context == context && m.source == source;
    });
    QVERIFY2(found != committed.end(), "not in the translation file: update_translations");
    QVERIFY(found->finished);
    QVERIFY(!found->translation.isEmpty());
    QVERIFY(!hasJapanese(found->translation));
    // The program carries the file as committed.
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source)),
             found->translation);
    // The README's table of the interface names the text with its English.
    QFile readme(QStringLiteral(QUILLNOTE_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(readme.readAll()).split(u'\n');
    const QString cell = QStringLiteral("| ") + asTableCell(source) + QStringLiteral(" |");
    const QString english =
        QStringLiteral("| ") + asTableCell(found->translation) + QStringLiteral(" |");
    QVERIFY2(std::any_of(
                 rows.begin(), rows.end(),
                 [&](const QString &row) { return row.startsWith(cell) && row.endsWith(english); }),
             qPrintable(cell + QStringLiteral(" … ") + english));
}

void TestEnglish::englishTextsShowWhole_data()
{
    QTest::addColumn<QString>("where");
    for (const char *where : {"main window", "main menu", "tray menu", "note menu", "notice",
                              "question", "retry", "about"})
        QTest::newRow(where) << QString::fromLatin1(where);
}

void TestEnglish::englishTextsShowWhole()
{
    QFETCH(QString, where);
    TestSeams seams(m_dir.path());
    MessageBox boxes;
    QWidget parent;
    if (where == u"main window") {
        MainWindow window(seams.seams);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkShownWhole(&window);
        const DropLabel *label = window.findChild<DropLabel *>();
        QCOMPARE(label->text().count(u'\n'), 1); // broken at its newline, not at every word
        QVERIFY(!hasJapanese(label->accessibleName() + label->accessibleDescription()));
    } else if (where == u"main menu") {
        MainMenu menu(seams.seams, &parent);
        checkMenu(&menu);
    } else if (where == u"tray menu") {
        NoteKeeper keeper(
            seams.seams, [] { return QPoint(); }, nullptr);
        TrayMenu menu(&keeper, &parent);
        checkMenu(&menu);
    } else if (where == u"note menu") {
        NoteMenu menu(&parent);
        checkMenu(&menu);
        checkMenu(menu.deskMenu);
    } else if (where == u"notice") {
        checkBox([&] {
            boxes.notify(nullptr,
                         QCoreApplication::translate("NoteKeeper", "既に起動されています"));
        });
    } else if (where == u"question") {
        checkBox([&] {
            boxes.confirm(nullptr,
                          QCoreApplication::translate(
                              "NoteWindow",
                              "この付箋紙を削除します。メモの内容は失われます。よろしいですか？"));
        });
    } else if (where == u"retry") {
        checkBox([&] {
            boxes.askRetry(nullptr, QCoreApplication::translate(
                                        "NoteKeeper", "保存できなかった付箋紙があります。") +
                                        QStringLiteral("\n\n1.dat: No space left on device"));
        });
    } else if (where == u"about") {
        // The installed program's folder, not the test's: the texts are what is checked, and
        // the folder of a build may lie as deep as its checkout.
        checkBox([&] {
            boxes.notify(nullptr,
                         MainMenu::aboutText(QStringLiteral("/home/user/.local/share/quillnote")));
        });
    }
}

void TestEnglish::languageFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("english");
    QTest::newRow("Japanese") << "ja_JP" << false;
    QTest::newRow("C") << "C" << false;
    QTest::newRow("POSIX") << "POSIX" << false;
    QTest::newRow("English") << "en_US" << true;
    QTest::newRow("German") << "de_DE" << true;
    QTest::newRow("Chinese") << "zh_CN" << true;
}

void TestEnglish::languageFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(bool, english);
    QCOMPARE(Translation::wantsEnglish(QLocale(locale)), english);
}

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
