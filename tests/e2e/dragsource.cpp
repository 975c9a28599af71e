// SPDX-License-Identifier: MIT
// A drag source for desktop tests: a small window at the top-left corner of
// the screen that starts a drag of the files named on its command line when
// it is pressed with the left button, as a file manager would.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

class DragSource final : public QWidget
{
public:
    explicit DragSource(const QList<QUrl> &urls) : m_urls(urls)
    {
        setWindowTitle(QStringLiteral("dragsource"));
        setFixedSize(60, 60);
        move(0, 0);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *drag = new QDrag(this);
        auto *data = new QMimeData;
        data->setUrls(m_urls);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }

private:
    QList<QUrl> m_urls;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString &path : app.arguments().mid(1))
        urls.append(QUrl::fromLocalFile(path));
    DragSource source(urls);
    source.show();
    return QApplication::exec();
}
