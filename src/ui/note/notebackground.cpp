// SPDX-License-Identifier: MIT
#include "ui/note/notebackground.h"

#include "core/reads/picturereads.h"
#include "core/rules/tileplan.h"
#include "core/storage/droppedfiles.h"
#include "ui/note/notesurface.h"

#include <QDropEvent>
#include <QTimer>

NoteBackground::NoteBackground(NoteSurface *surface, PictureReads &reads, const Twips &twips,
                               QObject *parent)
    : QObject(parent), m_surface(surface), m_reads(reads), m_twips(twips)
{
}

void NoteBackground::load(const QString &path, const QSize &shown)
{
    if (path.isEmpty())
        return;
    m_path = path;
    m_largestShown = m_largestShown.expandedTo(shown);
    m_settled = false;
    fetch(path, [this](bool) { settle(); });
    QTimer::singleShot(m_reads.slowReads().patience(), this, &NoteBackground::settle);
}

void NoteBackground::settle()
{
    if (m_settled)
        return;
    m_settled = true;
    emit settled();
}

void NoteBackground::drop(QDropEvent *event, const QSize &shown, const std::function<void()> &tiled)
{
    const QString path = DroppedFiles::firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    m_largestShown = m_largestShown.expandedTo(shown);
    fetch(path, [tiled](bool showing) {
        if (showing)
            tiled();
    });
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void NoteBackground::cancel()
{
    m_surface->clearTiles();
    ++m_request;
    m_pixels.reset();
    m_path.clear();
}

void NoteBackground::fetch(const QString &path, const std::function<void(bool)> &done)
{
    const quint64 request = ++m_request;
    m_reads.backgrounds().fetch(
        path, m_largestShown, this,
        [this, path, request, done](const SharedPictures::Picture &picture) {
            const bool shown = request == m_request && picture.pixels;
            if (shown)
                tile(picture, path);
            done(shown);
        });
}

// The tiles go over what the surface shows, nothing cleared before.
void NoteBackground::tile(const SharedPictures::Picture &picture, const QString &path)
{
    m_pixels = picture.pixels;
    m_step = picture.natural;
    m_path = path;
    const TilePlan plan = TilePlan::forPicture(m_twips.fromPixels(m_step.width()),
                                               m_twips.fromPixels(m_step.height()));
    m_surface->addTiles(m_pixels, m_step, plan.columns, plan.rows);
}

// More of the picture, shown in the same place as the part before.
void NoteBackground::grow(const QSize &shown)
{
    m_largestShown = m_largestShown.expandedTo(shown);
    if (!m_pixels)
        return;
    const QSize part = m_pixels->size();
    const QSize wanted = m_step.boundedTo(m_largestShown);
    if (part.width() >= wanted.width() && part.height() >= wanted.height())
        return;
    const quint64 request = m_request;
    m_reads.backgrounds().fetch(m_path, wanted, this,
                                [this, request](const SharedPictures::Picture &picture) {
                                    if (request != m_request || !picture.pixels)
                                        return;
                                    m_surface->replaceTile(m_pixels.get(), picture.pixels);
                                    m_pixels = picture.pixels;
                                });
}
