// SPDX-License-Identifier: MIT
#include "core/reads/picturereads.h"
#include "support/notefiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {
// What a note holds of a background picture, once it has come.
struct Holder
{
    explicit Holder(SharedPictures &store) : pictures(store) {}
    SharedPictures &pictures;
    QObject context;
    std::optional<SharedPictures::Picture> picture;

    void fetch(const QString &path, const QSize &shown)
    {
        pictures.fetch(path, shown, &context,
                       [this](const SharedPictures::Picture &got) { picture = got; });
    }
};
} // namespace

class TestSharedPictures final : public QObject
{
    Q_OBJECT
private slots:
    void notesShareOneDecodeWhileOneHoldsIt();
};

void TestSharedPictures::notesShareOneDecodeWhileOneHoldsIt()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tile.png"));
    QVERIFY(NoteFiles::picture(path, QSize(64, 48), Qt::red));
    PictureReads reads;
    SharedPictures &pictures = reads.backgrounds();
    auto first = std::make_unique<Holder>(pictures);
    auto second = std::make_unique<Holder>(pictures);
    first->fetch(path, QSize(40, 40));
    second->fetch(path, QSize(40, 40));
    QTRY_VERIFY(first->picture && second->picture);
    const qint64 decoded = first->picture->pixels->cacheKey();
    QCOMPARE(second->picture->pixels->cacheKey(), decoded);
    QCOMPARE(first->picture->natural, QSize(64, 48));
    // Less of it, while a note holds it: no decode of its own.
    Holder smaller(pictures);
    smaller.fetch(path, QSize(20, 20));
    QTRY_VERIFY(smaller.picture);
    QCOMPARE(smaller.picture->pixels->cacheKey(), decoded);
    // Once no note holds it, it is gone: the next note decodes it anew.
    first.reset();
    second.reset();
    smaller.picture.reset();
    Holder later(pictures);
    later.fetch(path, QSize(40, 40));
    QTRY_VERIFY(later.picture);
    QVERIFY(later.picture->pixels->cacheKey() != decoded);
    QCOMPARE(later.picture->pixels->size(), QSize(40, 40));
}

QTEST_MAIN(TestSharedPictures)
#include "tst_sharedpictures.moc"
