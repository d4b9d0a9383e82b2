#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <optional>

#include "ServerFramePlayer.h"

class QPixmap;
class QWidget;
struct xcb_connection_t;

// Shows an animation's frames on an X server by keeping each frame there as a pixmap and copying
// it onto the window when its turn comes. A frame then costs one small request and no reply,
// where a repaint through the window's backing store costs a paint, a wait for the server to let
// go of the shared pixels, and a copy of them.
//
// Elsewhere (Wayland, offscreen), at a scale that puts widgets between device pixels, or on a
// server whose pixels are laid out otherwise, show() says it could not, and the caller repaints
// as usual.
class ServerFrames
{
public:
    ServerFrames() = default;
    ~ServerFrames();
    ServerFrames(const ServerFrames &) = delete;
    ServerFrames &operator=(const ServerFrames &) = delete;

    // Copies the opaque frame named `key` onto the window of `widget`, at `within` in the widget;
    // the first time, `frame` draws it and it is uploaded. False when it could not be shown.
    bool show(const QWidget &widget, quint64 key, const std::function<QPixmap()> &frame, QPoint within = QPoint());
    // Keeps the frame named `key` on the server for a later show(), drawing and uploading it now
    // when it is not kept yet. False when frames cannot be shown on the window of `widget`.
    bool keep(const QWidget &widget, quint64 key, const std::function<QPixmap()> &frame);
    // Whether frames can be copied onto the window of `widget` at all: the first thing asked, so
    // that nothing is drawn for a platform that cannot take it.
    bool canShowOn(const QWidget &widget);
    // Frees the frames kept on the server, as the pictures they were made from changed.
    void forget();

    // Hands the frames named `keys` over to the player (see ServerFramePlayer), which shows them
    // in turn where the widget lies, each for its delay: `shown` is on show now and the next
    // comes at `nextDue`. False, and nothing handed over, unless every one of them is kept here.
    bool playOnItsOwn(const QWidget &widget, const QList<quint64> &keys, const QList<int> &delays, int shown,
        ServerFramePlayer::Clock::time_point nextDue);
    // Takes the frames back from the player: nothing when it did not play them. Whatever is sent
    // to the window afterwards reaches the server after the player's last frame.
    std::optional<ServerFramePlayer::Progress> takeBack();
    // The frame the player shows, while it plays.
    std::optional<int> frameOnShow() const;

private:
    // Where a point of the widget lies in its window's pixels, when frames can be copied there at all.
    std::optional<QPoint> placeOnWindow(const QWidget &widget, QPoint within = QPoint());
    bool useWindow(std::uint32_t window);
    struct Uploaded {
        std::uint32_t pixmap;
        QSize size;
    };

    Uploaded upload(const QPixmap &frame);
    // The frame named `key`, drawn and uploaded first when it is not kept yet; null when it could
    // not be drawn.
    const Uploaded *kept(quint64 key, const std::function<QPixmap()> &frame);
    void releaseAll();

    xcb_connection_t *connection = nullptr;
    bool unusable = false;
    std::uint32_t window = 0;
    std::uint8_t depth = 0;
    std::uint32_t context = 0; // the graphics context the copies are made with
    QHash<quint64, Uploaded> frames;
};
