// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

#include <optional>

class PictureReads;
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
    /** A picture read and decoded through @p reads, which outlives it. */
    PictureView(PictureReads &reads, QWidget *parent);
    ~PictureView() override;

    /**
     * Opens the note's picture at @p path. Its natural size comes from its
     * header, and the picture's shape from that size; the pixels are decoded
     * once the box has the size it shows at. Until the header comes the
     * box stays as it is; settled() says when the shape is known, or when
     * the header did not come within a moment (a stalled share), and
     * shapeChanged() when it changes. A picture that does not decode takes
     * the design's box of @p designSide pixels and its proportions.
     */
    void open(const QString &path, int designSide);
    /** Whether the picture has its shape, or has waited for it long enough to show without it. */
    bool isSettled() const { return m_settled; }
    /** The path of the note's picture, as the note keeps it. */
    QString source() const { return m_source; }
    /** The picture's height to its width. */
    float ratio() const { return m_ratio; }

    /** Shows the picture of @p path, whose natural size is @p naturalSize pixels. */
    void setPicture(const QString &path, const QSize &naturalSize);
    bool hasPicture() const { return !m_path.isEmpty(); }
    void setStretching(bool stretching);
    /** The decoded pixels now on show (null while decoding). */
    QImage pixels() const { return m_pixels; }
    bool isDecoding() const { return m_decoding != nullptr; }

signals:
    void pictureReady();
    /** The picture's shape changed after open() returned: the note lays itself out again. */
    void shapeChanged();
    /** isSettled() holds from now on, for the picture opened last. */
    void settled();
    /** The picture's pixels would not decode, though its header read: it shows nothing. */
    void decodeFailed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void takeNaturalSize(const std::optional<QSize> &natural);
    void settle();
    QSize wantedPixels() const;
    void decodeIfNeeded();
    void takeDecoded();

    PictureReads &m_reads;
    QString m_source;
    bool m_settled = false;
    int m_designSide = 0;
    float m_ratio = 0;
    QString m_path;
    QSize m_naturalSize;
    bool m_stretching = false;
    bool m_shown = false;
    QImage m_pixels;
    QSize m_decodingFor;
    QFutureWatcher<QImage> *m_decoding = nullptr;
};
