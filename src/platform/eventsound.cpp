#include "eventsound.h"

#include <canberra.h>

#include <cstdint>
#include <utility>

namespace platform {
namespace {

// Every menu sound uses this id, so a new one can cut the last one short.
constexpr std::uint32_t kMenuSoundId = 1;

class Canberra {
public:
    ~Canberra() {
        if (m_context)
            ca_context_destroy(m_context);
    }

    void play(const char* eventId) {
        if (!open())
            return;
        ca_context_cancel(m_context, kMenuSoundId);
        // A missing sound stays missing: no fallback sound is asked for.
        ca_context_play(m_context, kMenuSoundId, CA_PROP_EVENT_ID, eventId, nullptr);
    }

private:
    // Connecting to the sound service costs time, so it waits for the first
    // menu sound; a failed attempt is not repeated for every menu.
    bool open() {
        if (m_context || m_failed)
            return m_context != nullptr;
        if (ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            m_failed = true;
            return false;
        }
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "qirazo",
                                CA_PROP_APPLICATION_ID, "org.example.qirazo", nullptr);
        if (ca_context_open(m_context) != CA_SUCCESS) {
            ca_context_destroy(m_context);
            m_context = nullptr;
            m_failed = true;
            return false;
        }
        return true;
    }

    ca_context* m_context = nullptr;
    bool m_failed = false;
};

void playWithCanberra(const char* eventId) {
    static Canberra canberra;
    canberra.play(eventId);
}

EventSoundFunction g_function = nullptr;

} // namespace

EventSoundFunction setEventSoundFunction(EventSoundFunction function) {
    return std::exchange(g_function, function);
}

void playEventSound(const char* eventId) {
    (g_function ? g_function : playWithCanberra)(eventId);
}

} // namespace platform
