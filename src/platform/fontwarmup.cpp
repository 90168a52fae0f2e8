#include "fontwarmup.h"

#ifdef QIRAZO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontWarmup::FontWarmup() {
#ifdef QIRAZO_HAVE_FONTCONFIG
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontWarmup::~FontWarmup() {
    finish();
}

void FontWarmup::finish() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace platform
