// SPDX-License-Identifier: MIT
// Draws the program icon at every size into icons/. Rebuild by hand:
//   g++ -std=c++20 -fPIC drawicon.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/drawicon
//   QT_QPA_PLATFORM=offscreen /tmp/drawicon icons
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

static QImage drawIcon(int size)
{
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x6a, 0x2a, 90));
    p.drawRoundedRect(QRectF(36, 44, 184, 188), 6, 6);
    p.setPen(QPen(QColor(0xb5, 0x9a, 0x1e), 8));
    p.setBrush(QColor(0xff, 0xe9, 0x7a));
    p.drawRoundedRect(QRectF(28, 34, 184, 188), 6, 6);
    p.setPen(QPen(QColor(0x3a, 0x6f, 0x96), 6));
    p.setBrush(QColor(0x8c, 0xc7, 0xea));
    p.drawRect(QRectF(52, 62, 136, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4f, 0x9a, 0x4a));
    p.drawPolygon(QPolygonF({{58, 143}, {98, 98}, {126, 126}, {146, 108}, {185, 143}}));
    p.setBrush(QColor(0x7d, 0x6a, 0x1a));
    p.drawRect(QRectF(52, 164, 136, 10));
    p.drawRect(QRectF(52, 186, 96, 10));
    p.setPen(QPen(QColor(0x7a, 0x14, 0x10), 6));
    p.setBrush(QColor(0xd8, 0x31, 0x2a));
    p.drawEllipse(QPointF(120, 36), 20, 20);
    p.end();
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        drawIcon(size).save(QStringLiteral("%1/quillnote-%2.png").arg(folder).arg(size));
    return 0;
}
