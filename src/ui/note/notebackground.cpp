// SPDX-License-Identifier: MIT
#include "ui/note/notebackground.h"

#include "core/rules/tileplan.h"
#include "core/storage/droppedfiles.h"
#include "ui/note/notesurface.h"

#include <QDropEvent>

#include <memory>
#include <optional>

NoteBackground::NoteBackground(NoteSurface *surface, const Twips &twips, QObject *parent)
    : QObject(parent), m_surface(surface), m_twips(twips)
{
}

void NoteBackground::load(const QString &path, const QSize &shown)
{
    if (path.isEmpty())
        return;
    m_path = path;
    m_largestShown = m_largestShown.expandedTo(shown);
    fetch(path, [](bool) {});
}

void NoteBackground::drop(QDropEvent *event, const QSize &shown, const std::function<void()> &tiled)
{
    const QString path = DroppedFiles::firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    m_largestShown = m_largestShown.expandedTo(shown);
    const auto loaded = std::make_shared<std::optional<bool>>();
    fetch(path, [loaded, tiled](bool showing) {
        *loaded = showing;
        if (showing)
            tiled();
    });
    if (!loaded->has_value()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else if (**loaded) {
        event->acceptProposedAction();
    }
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
    SharedPictures::fetch(path, m_largestShown, this,
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
    SharedPictures::fetch(m_path, wanted, this,
                          [this, request](const SharedPictures::Picture &picture) {
                              if (request != m_request || !picture.pixels)
                                  return;
                              m_surface->replaceTile(m_pixels.get(), picture.pixels);
                              m_pixels = picture.pixels;
                          });
}
