#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

// What the X server shows of the window in a rectangle, read through a connection of its own:
// what the program has not yet sent does not show.
inline QImage onScreen(const QWidget &window, const QRect &rectangle)
{
    static xcb_connection_t *const own = xcb_connect(nullptr, nullptr);
    const QRect device(rectangle.topLeft() * window.devicePixelRatio(), rectangle.size() * window.devicePixelRatio());
    xcb_get_image_reply_t *reply = xcb_get_image_reply(own,
        xcb_get_image(own, XCB_IMAGE_FORMAT_Z_PIXMAP, static_cast<xcb_drawable_t>(window.winId()),
            static_cast<std::int16_t>(device.x()), static_cast<std::int16_t>(device.y()),
            static_cast<std::uint16_t>(device.width()), static_cast<std::uint16_t>(device.height()), ~0U),
        nullptr);
    if (reply == nullptr) {
        return {};
    }
    const QImage shown
        = QImage(xcb_get_image_data(reply), device.width(), device.height(), QImage::Format_RGB32).copy();
    std::free(reply);
    return shown;
}
