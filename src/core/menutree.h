#pragma once

// The menu bar's three menus as the action manager describes them. An item
// names its action by index into kActions and may carry a caption of its own.

#include "commands.h"

#include <array>
#include <span>
#include <string_view>

namespace core {

struct MenuItemDef {
    std::size_t action;       // index into kActions
    std::string_view caption; // empty: the action's caption
};

struct TopItemDef {
    std::string_view caption; // '&' marks the access key given by the bar
    std::span<const MenuItemDef> items;
};

inline constexpr std::array<MenuItemDef, 1> kFileItems = {{{0, "خروج &exit"}}};
inline constexpr std::array<MenuItemDef, 6> kEditionItems = {{
    {1, {}},
    {2, {}},
    {3, {}},
    {4, {}},
    {5, {}},
    {6, {}},
}};
inline constexpr std::array<MenuItemDef, 1> kAboutItems = {{{7, "About  qirazo"}}};

// In item order; the bar lays them out from its right edge. ABOUT has no
// access key: A is left free.
inline constexpr std::array<TopItemDef, 3> kMenuTree = {{
    {"&FILE", kFileItems},
    {"&EDITION", kEditionItems},
    {"ABOUT", kAboutItems},
}};

// The caption an item shows: its own, else its action's.
constexpr std::string_view itemCaption(const MenuItemDef& item) {
    return item.caption.empty() ? kActions[item.action].caption : item.caption;
}

// The access key of a caption (upper case), or 0 when it has none.
constexpr char accessKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            const char c = caption[i + 1];
            if (c == '&') {
                ++i;
                continue;
            }
            return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return 0;
}

} // namespace core
