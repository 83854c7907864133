#include "platform/linux/X11GlobalKey.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace tabwise {

namespace {

constexpr std::uint16_t numLock = XCB_MOD_MASK_2;
constexpr std::uint16_t lockVariants[] = { 0, XCB_MOD_MASK_LOCK, numLock, XCB_MOD_MASK_LOCK | numLock };
constexpr std::uint16_t modifiersThatCount
    = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr std::uint8_t badAccess = 10;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

} // namespace

X11GlobalKey::X11GlobalKey()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    m_connection = x11->connection();
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalKey::~X11GlobalKey()
{
    if (!m_connection)
        return;
    release();
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::uint32_t X11GlobalKey::keySymbol(Qt::Key key)
{
    // Printable Latin-1 keys have the key symbol of their lower-case character.
    if ((key >= 0x20 && key <= 0x7e) || (key >= 0xa0 && key <= 0xff))
        return QChar::toLower(char32_t(key));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + (key - Qt::Key_F1);
    static constexpr std::pair<Qt::Key, std::uint32_t> named[] = {
        { Qt::Key_Escape, 0xff1b },
        { Qt::Key_Tab, 0xff09 },
        { Qt::Key_Backspace, 0xff08 },
        { Qt::Key_Return, 0xff0d },
        { Qt::Key_Enter, 0xff8d },
        { Qt::Key_Insert, 0xff63 },
        { Qt::Key_Delete, 0xffff },
        { Qt::Key_Pause, 0xff13 },
        { Qt::Key_Print, 0xff61 },
        { Qt::Key_Home, 0xff50 },
        { Qt::Key_Left, 0xff51 },
        { Qt::Key_Up, 0xff52 },
        { Qt::Key_Right, 0xff53 },
        { Qt::Key_Down, 0xff54 },
        { Qt::Key_PageUp, 0xff55 },
        { Qt::Key_PageDown, 0xff56 },
        { Qt::Key_End, 0xff57 },
    };
    for (const auto& [qtKey, symbol] : named) {
        if (qtKey == key)
            return symbol;
    }
    return 0;
}

std::uint16_t X11GlobalKey::modifierMask(Qt::KeyboardModifiers modifiers)
{
    std::uint16_t mask = 0;
    mask |= modifiers & Qt::ShiftModifier ? XCB_MOD_MASK_SHIFT : 0;
    mask |= modifiers & Qt::ControlModifier ? XCB_MOD_MASK_CONTROL : 0;
    mask |= modifiers & Qt::AltModifier ? XCB_MOD_MASK_1 : 0;
    mask |= modifiers & Qt::MetaModifier ? XCB_MOD_MASK_4 : 0;
    return mask;
}

void X11GlobalKey::take(const QKeySequence& keys)
{
    if (!m_connection)
        return;
    release();
    if (keys.isEmpty())
        return;
    const QKeyCombination combination = keys[0];
    const std::uint8_t keycode = keycodeOf(keySymbol(combination.key()));
    const std::uint16_t modifiers = modifierMask(combination.keyboardModifiers());
    if (keycode == 0) {
        if (onRefused)
            onRefused(QCoreApplication::translate("GlobalKey", "the keyboard has no such key"));
        return;
    }
    m_keycode = keycode;
    m_modifiers = modifiers;
    if (!grab(keycode, modifiers)) {
        release();
        if (onRefused)
            onRefused(QCoreApplication::translate("GlobalKey", "another program holds it"));
    }
}

bool X11GlobalKey::grab(std::uint8_t keycode, std::uint16_t modifiers)
{
    bool granted = true;
    for (const std::uint16_t locks : lockVariants) {
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(
            m_connection, 1, m_root, modifiers | locks, keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        const std::unique_ptr<xcb_generic_error_t, FreeDeleter> error(xcb_request_check(m_connection, cookie));
        if (error && error->error_code == badAccess)
            granted = false;
    }
    return granted;
}

void X11GlobalKey::release()
{
    if (m_keycode == 0)
        return;
    for (const std::uint16_t locks : lockVariants)
        xcb_ungrab_key(m_connection, m_keycode, m_root, m_modifiers | locks);
    xcb_flush(m_connection);
    m_keycode = 0;
}

std::uint8_t X11GlobalKey::keycodeOf(std::uint32_t symbol) const
{
    if (symbol == 0)
        return 0;
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, FreeDeleter> mapping(xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, std::uint8_t(count)), nullptr));
    if (!mapping)
        return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    for (int i = 0; i < count; ++i) {
        // The key's own symbol and the one it gives with Shift.
        for (int column = 0; column < std::min(perKeycode, 2); ++column) {
            if (symbols[i * perKeycode + column] == symbol)
                return std::uint8_t(setup->min_keycode + i);
        }
    }
    return 0;
}

bool X11GlobalKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (m_keycode == 0 || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (press->detail != m_keycode || (press->state & modifiersThatCount) != m_modifiers)
        return false;
    if (onPressed)
        onPressed();
    return true;
}

} // namespace tabwise
