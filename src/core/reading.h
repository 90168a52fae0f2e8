#pragma once

// The read button's walk over the text: every byte that is a letter's match
// byte plays that letter's recording, in text order; anything else is passed
// over in silence.

#include <functional>
#include <string_view>

namespace core {

using PlayRecording = std::function<void(const char* recording)>;

// Walks `bytes` (the Windows-1256 view of the text) from first to last and
// calls `play` once per letter. Returns how many recordings it asked for.
std::size_t readText(std::string_view bytes, const PlayRecording& play);

} // namespace core
