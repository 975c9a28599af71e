// SPDX-License-Identifier: MIT
// libFuzzer target: bytes as a picture file, through the header probe and a
// decode at note size, as a note's load does.
#include "core/reads/pictureloader.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>

namespace {
QString picturePath()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("picture"));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = picturePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const PictureLoader loader;
    if (const auto natural = loader.naturalSize(path))
        loader.decode(path, QSize(172, 129));
    return 0;
}
