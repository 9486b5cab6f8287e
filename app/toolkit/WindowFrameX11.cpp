#include "WindowFrame.h"
#include "WindowFramePlatforms.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWindow>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// Window managers answer within milliseconds; one that has not answered by then never will.
constexpr int FrameRequestTimeoutMs = 2000;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window property, empty when it is not set.
QList<uint32_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                         xcb_atom_t type)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, name, type, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return QList<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

xcb_window_t rootWindow(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Asks the window manager what frame it would put around a window and waits for its answer
// in the window's _NET_FRAME_EXTENTS (left, right, top, bottom).
std::optional<QMargins> requestFrameExtents(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, rootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    QElapsedTimer waited;
    waited.start();
    do {
        const QList<uint32_t> frame = property(connection, window, extents, XCB_ATOM_CARDINAL);
        if (frame.size() == 4)
            return QMargins(int(frame[0]), int(frame[2]), int(frame[1]), int(frame[3]));
        QThread::msleep(1);
    } while (waited.elapsed() < FrameRequestTimeoutMs);
    return std::nullopt;
}

bool windowManagerSupports(xcb_connection_t *connection, const char *hint)
{
    const xcb_atom_t supported = internAtom(connection, "_NET_SUPPORTED");
    return property(connection, rootWindow(connection), supported, XCB_ATOM_ATOM)
        .contains(internAtom(connection, hint));
}

bool windowManagerRunning(xcb_connection_t *connection)
{
    const xcb_atom_t check = internAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    return !property(connection, rootWindow(connection), check, XCB_ATOM_WINDOW).isEmpty();
}

} // namespace

QMargins x11Frame(const QWindow &probe)
{
    xcb_connection_t *connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    if (!windowManagerRunning(connection))
        return {};
    if (!windowManagerSupports(connection, "_NET_REQUEST_FRAME_EXTENTS"))
        return EstimatedFrame;
    const std::optional<QMargins> extents =
        requestFrameExtents(connection, xcb_window_t(probe.winId()));
    if (!extents)
        return EstimatedFrame;
    // The window manager counts device pixels, the layouts Qt's device-independent ones.
    const qreal scale = probe.devicePixelRatio();
    return {qRound(extents->left() / scale), qRound(extents->top() / scale),
            qRound(extents->right() / scale), qRound(extents->bottom() / scale)};
}
