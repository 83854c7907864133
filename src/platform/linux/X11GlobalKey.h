#pragma once

#include "platform/GlobalKey.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>

struct xcb_connection_t;

namespace tabwise {

// A key grabbed on the X11 root window: its presses reach the program whichever window has the
// focus. The grab covers the key with Caps Lock and Num Lock on as well. X11 gives a key to one
// program only; when another program holds it, the grab is refused.
class X11GlobalKey : public GlobalKey, private QAbstractNativeEventFilter {
public:
    X11GlobalKey();
    ~X11GlobalKey() override;

    bool supported() const override { return m_connection != nullptr; }
    void take(const QKeySequence& keys) override;

    // The X11 key symbol of a Qt key (0 when there is none), and the X11 modifier mask of Qt's
    // modifiers.
    static std::uint32_t keySymbol(Qt::Key key);
    static std::uint16_t modifierMask(Qt::KeyboardModifiers modifiers);

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // Grabs (or ungrabs) the key with every combination of the lock keys; false when refused.
    bool grab(std::uint8_t keycode, std::uint16_t modifiers);
    void release();
    std::uint8_t keycodeOf(std::uint32_t symbol) const;

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::uint8_t m_keycode = 0; // 0: no key taken
    std::uint16_t m_modifiers = 0;
};

} // namespace tabwise
