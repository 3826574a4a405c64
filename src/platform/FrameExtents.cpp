#include "FrameExtents.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>

#if TARNEL_HAVE_XCB
#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace tarnel::platform {

#if TARNEL_HAVE_XCB
namespace {
// The longest a window's opening waits for the window manager's answer:
// shorter than a person notices.
constexpr int kAnswerWaitMs = 50;

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The 32-bit values of a property, or none when it is not set.
std::vector<uint32_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_connection_t* x11Connection()
{
    // The offscreen platform answers to the X11 interface too, without a
    // connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    return QGuiApplication::platformName() == QLatin1String("xcb") ? connection : nullptr;
}
} // namespace
#endif

std::optional<QMargins> expectedFrameExtents(QWindow* window)
{
    // On Windows the frame follows from the window's style as soon as the
    // window exists: no one needs to be asked.
    if (window != nullptr && QGuiApplication::platformName() == QLatin1String("windows")) {
        return window->frameMargins();
    }
#if TARNEL_HAVE_XCB
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr || window == nullptr) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // No window manager, no frame.
    if (property(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW)
            .empty()) {
        return QMargins();
    }
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<uint32_t> supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end()) {
        return std::nullopt;
    }
    // A window manager that once left the request unanswered is not waited
    // for again: its windows are centred once their frames are there.
    static bool answers = true;
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // The window manager answers by setting _NET_FRAME_EXTENTS on the window.
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    QElapsedTimer waited;
    waited.start();
    do {
        const std::vector<uint32_t> values = property(connection, id, extents, XCB_ATOM_CARDINAL);
        if (values.size() == 4) {
            answers = true;
            return QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]),
                            static_cast<int>(values[1]), static_cast<int>(values[3]));
        }
        if (!answers) {
            break;
        }
        QThread::msleep(2);
    } while (waited.elapsed() < kAnswerWaitMs);
    answers = false;
#else
    (void)window;
#endif
    return std::nullopt;
}

std::optional<QMargins> currentFrameExtents(QWindow* window)
{
#if TARNEL_HAVE_XCB
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr || window == nullptr) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const Owned<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr), &std::free);
    if (!tree || tree->parent == tree->root) {
        return std::nullopt; // not framed (yet)
    }
    const Owned<xcb_get_geometry_reply_t> inner(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    const Owned<xcb_get_geometry_reply_t> frame(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, tree->parent), nullptr),
        &std::free);
    if (!inner || !frame) {
        return std::nullopt;
    }
    // The window's place inside its frame gives the left and top; the
    // frame's size the rest.
    return QMargins(inner->x, inner->y, frame->width - inner->width - inner->x,
                    frame->height - inner->height - inner->y);
#else
    (void)window;
    return std::nullopt;
#endif
}

QMargins saneFrameExtents(const QMargins& reported, const QSize& area)
{
    const auto sane = [](int extent, int side) {
        const int thickest = 200;
        return std::clamp(extent, 0, side > 0 ? std::min(thickest, side / 4) : thickest);
    };
    return {sane(reported.left(), area.width()), sane(reported.top(), area.height()),
            sane(reported.right(), area.width()), sane(reported.bottom(), area.height())};
}

} // namespace tarnel::platform
