#include "XkbActiveGroup.h"

#include "LayoutNames.h"

#include <xcb/xcb.h>
// xkb.h is C and names a field "explicit"; C++ reads it under another name.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>

namespace XkbActiveGroup
{

namespace
{

// xcb hands out replies the caller frees.
template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> own(Reply *reply)
{
    return Owned<Reply>(reply, &std::free);
}

// The keymap's symbols name, "pc+es+inet(evdev)"; empty when the server does not say.
QString symbolsName(xcb_connection_t *connection)
{
    const auto names = own(xcb_xkb_get_names_reply(
        connection, xcb_xkb_get_names(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_NAME_DETAIL_SYMBOLS), nullptr));
    if (!names) {
        return {};
    }
    xcb_xkb_get_names_value_list_t values {};
    xcb_xkb_get_names_value_list_unpack(xcb_xkb_get_names_value_list(names.get()), names->nTypes, names->indicators,
        names->virtualMods, names->groupNames, names->nKeys, names->nKeyAliases, names->nRadioGroups, names->which,
        &values);
    const auto atom
        = own(xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, values.symbolsName), nullptr));
    if (!atom) {
        return {};
    }
    return QString::fromLatin1(xcb_get_atom_name_name(atom.get()), xcb_get_atom_name_name_length(atom.get()));
}

} // namespace

Result read()
{
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) {
        return {{}, QStringLiteral("no X server answers")};
    }
    const auto extension = own(xcb_xkb_use_extension_reply(connection.get(),
        xcb_xkb_use_extension(connection.get(), XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    if (!extension || !extension->supported) {
        return {{}, QStringLiteral("the X server has no XKB extension")};
    }
    const auto state = own(xcb_xkb_get_state_reply(
        connection.get(), xcb_xkb_get_state(connection.get(), XCB_XKB_ID_USE_CORE_KBD), nullptr));
    const QString symbols = symbolsName(connection.get());
    if (!state || symbols.isEmpty()) {
        return {{}, QStringLiteral("the X server does not name its keyboard layout")};
    }
    const QString layout = LayoutNames::layoutOfGroup(symbols, state->group);
    if (layout.isEmpty()) {
        return {{}, QStringLiteral("the X server's keymap \"%1\" has no group %2").arg(symbols).arg(state->group + 1)};
    }
    return {layout, {}};
}

} // namespace XkbActiveGroup
