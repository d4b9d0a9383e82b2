#include "ServerFrames.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{

xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// Whether the server keeps pixels of this depth as 32-bit words in the byte order of QImage's
// 32-bit formats on this machine, so that a frame is sent as it lies in memory.
bool takesQImageWords(xcb_connection_t *connection, std::uint8_t depth)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    if ((depth != 24 && depth != 32) || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST
        || QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        return false;
    }
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem > 0; xcb_format_next(&format)) {
        if (format.data->depth == depth) {
            return format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
        }
    }
    return false;
}

} // namespace

ServerFrames::~ServerFrames()
{
    takeBack();
    // Once the application closes, its connection and everything on it go away together.
    if (!QCoreApplication::closingDown() && x11Connection() == connection) {
        releaseAll();
    }
}

std::optional<QPoint> ServerFrames::placeOnWindow(const QWidget &widget, QPoint within)
{
    const QWidget *top = widget.window();
    const qreal ratio = widget.devicePixelRatioF();
    // At a fractional scale Qt rounds where a widget's pixels start; only it knows how.
    if (unusable || ratio != std::floor(ratio) || top->windowHandle() == nullptr
        || !useWindow(static_cast<std::uint32_t>(top->winId()))) {
        return std::nullopt;
    }
    return widget.mapTo(top, within) * ratio;
}

bool ServerFrames::show(const QWidget &widget, quint64 key, const std::function<QPixmap()> &frame, QPoint within)
{
    const std::optional<QPoint> at = placeOnWindow(widget, within);
    if (!at) {
        return false;
    }
    const Uploaded *shown = kept(key, frame);
    if (shown == nullptr) {
        return false;
    }
    xcb_copy_area(connection, shown->pixmap, window, context, 0, 0, static_cast<std::int16_t>(at->x()),
        static_cast<std::int16_t>(at->y()), static_cast<std::uint16_t>(shown->size.width()),
        static_cast<std::uint16_t>(shown->size.height()));
    // Sent now: Qt may not write to the connection again before the program next sleeps.
    xcb_flush(connection);
    return true;
}

bool ServerFrames::keep(const QWidget &widget, quint64 key, const std::function<QPixmap()> &frame)
{
    return canShowOn(widget) && kept(key, frame) != nullptr;
}

const ServerFrames::Uploaded *ServerFrames::kept(quint64 key, const std::function<QPixmap()> &frame)
{
    auto found = frames.constFind(key);
    if (found == frames.cend()) {
        const QPixmap drawn = frame();
        if (drawn.isNull()) {
            return nullptr;
        }
        found = frames.insert(key, upload(drawn));
    }
    return &*found;
}

bool ServerFrames::canShowOn(const QWidget &widget)
{
    return placeOnWindow(widget).has_value();
}

bool ServerFrames::playOnItsOwn(const QWidget &widget, const QList<quint64> &keys, const QList<int> &delays, int shown,
    ServerFramePlayer::Clock::time_point nextDue)
{
    const std::optional<QPoint> at = placeOnWindow(widget);
    if (!at || keys.isEmpty() || keys.size() != delays.size()) {
        return false;
    }
    const QSize size = frames.value(keys.first()).size;
    ServerFramePlayer::Loop loop;
    for (const quint64 key : keys) {
        const auto kept = frames.constFind(key);
        if (kept == frames.cend() || kept->size != size) {
            return false;
        }
        loop.pixmaps.push_back(kept->pixmap);
    }
    loop.delays.assign(delays.cbegin(), delays.cend());
    loop.connection = connection;
    loop.window = window;
    loop.context = context;
    loop.x = static_cast<std::int16_t>(at->x());
    loop.y = static_cast<std::int16_t>(at->y());
    loop.width = static_cast<std::uint16_t>(size.width());
    loop.height = static_cast<std::uint16_t>(size.height());
    loop.frame = shown;
    loop.nextDue = nextDue;
    ServerFramePlayer::shared().play(this, std::move(loop));
    return true;
}

std::optional<ServerFramePlayer::Progress> ServerFrames::takeBack()
{
    return ServerFramePlayer::shared().stop(this);
}

std::optional<int> ServerFrames::frameOnShow() const
{
    return ServerFramePlayer::shared().frameOf(this);
}

void ServerFrames::forget()
{
    // The player lets go of the pixmaps before they are freed.
    takeBack();
    if (connection != nullptr) {
        for (const Uploaded &uploaded : std::as_const(frames)) {
            xcb_free_pixmap(connection, uploaded.pixmap);
        }
    }
    frames.clear();
}

bool ServerFrames::useWindow(std::uint32_t id)
{
    if (id == window && context != 0) {
        return true;
    }
    if (connection == nullptr) {
        connection = x11Connection();
        unusable = connection == nullptr;
        if (unusable) {
            return false;
        }
    }
    // A window made anew (the platform window was recreated) may differ in depth.
    releaseAll();
    xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    if (geometry == nullptr) {
        return false;
    }
    depth = geometry->depth;
    std::free(geometry);
    if (!takesQImageWords(connection, depth)) {
        unusable = true;
        return false;
    }
    window = id;
    context = xcb_generate_id(connection);
    // No exposure events: a copy from a pixmap never lacks pixels.
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection, context, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return true;
}

ServerFrames::Uploaded ServerFrames::upload(const QPixmap &frame)
{
    const QImage image
        = frame.toImage().convertToFormat(depth == 32 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const std::uint32_t pixmap = xcb_generate_id(connection);
    xcb_create_pixmap(connection, depth, pixmap, window, static_cast<std::uint16_t>(image.width()),
        static_cast<std::uint16_t>(image.height()));
    // A large frame (a high scale) goes in bands of rows that each fit one request.
    const auto bytesPerLine = static_cast<std::uint32_t>(image.bytesPerLine());
    const std::uint32_t room = xcb_get_maximum_request_length(connection) * 4 - 64;
    const int rowsPerBand = static_cast<int>(std::max<std::uint32_t>(1, room / bytesPerLine));
    for (int y = 0; y < image.height(); y += rowsPerBand) {
        const int rows = std::min(rowsPerBand, image.height() - y);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, context, static_cast<std::uint16_t>(image.width()),
            static_cast<std::uint16_t>(rows), 0, static_cast<std::int16_t>(y), 0, depth,
            static_cast<std::uint32_t>(rows) * bytesPerLine, image.constScanLine(y));
    }
    return {pixmap, image.size()};
}

void ServerFrames::releaseAll()
{
    forget();
    if (connection != nullptr && context != 0) {
        xcb_free_gc(connection, context);
    }
    context = 0;
    window = 0;
}
