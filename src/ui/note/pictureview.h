// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

template <typename T> class QFutureWatcher;

/**
 * The note picture. Until stretching is switched on it shows the picture at
 * its natural size; after that it stretches it to fill its box. Pixels are
 * decoded off the user-interface thread and only as large as the box shows
 * them, decoded again larger when the box outgrows them. Presses on the
 * picture go to the note, as presses on its background do.
 */
class PictureView final : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);
    ~PictureView() override;

    /** Shows the picture of @p path, whose natural size is @p naturalSize pixels. */
    void setPicture(const QString &path, const QSize &naturalSize);
    bool hasPicture() const { return !m_path.isEmpty(); }
    void setStretching(bool stretching);
    /** The decoded pixels now on show (null while decoding). */
    QImage pixels() const { return m_pixels; }
    bool isDecoding() const { return m_decoding != nullptr; }

signals:
    void pictureReady();
    /** The picture's pixels would not decode, though its header read: it shows nothing. */
    void decodeFailed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QSize wantedPixels() const;
    void decodeIfNeeded();
    void takeDecoded();

    QString m_path;
    QSize m_naturalSize;
    bool m_stretching = false;
    bool m_shown = false;
    QImage m_pixels;
    QSize m_decodingFor;
    QFutureWatcher<QImage> *m_decoding = nullptr;
};
