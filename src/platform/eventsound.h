#pragma once

// The desktop's event sounds for the menus, from the freedesktop sound theme.
// They play asynchronously; where there is no sound service, or the theme has
// no such sound, nothing is heard and nothing is reported.

namespace platform {

inline constexpr const char* kMenuPopupSound = "menu-popup";
inline constexpr const char* kMenuCommandSound = "menu-click";

// Stops the menu sound still playing, if any, and starts `eventId`.
void playEventSound(const char* eventId);

// What playEventSound hands the name to. Tests put a recorder here; nullptr
// restores the desktop's sound service. Returns the one replaced.
using EventSoundFunction = void (*)(const char* eventId);
EventSoundFunction setEventSoundFunction(EventSoundFunction function);

} // namespace platform
