#include "eventsound.h"

#include <canberra.h>

#include <QLibrary>

#include <cstdint>
#include <type_traits>
#include <utility>

namespace platform {
namespace {

// libcanberra is loaded with the first menu sound rather than linked: the
// program starts without it and its dependencies.
struct CanberraApi {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;

    bool load() {
        QLibrary lib(QStringLiteral("canberra"), 0);
        auto get = [&lib](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(lib.resolve(name));
            return fn != nullptr;
        };
        return get(create, "ca_context_create") && get(destroy, "ca_context_destroy") &&
               get(cancel, "ca_context_cancel") && get(play, "ca_context_play") &&
               get(changeProps, "ca_context_change_props") && get(open, "ca_context_open");
    }
};

// Every menu sound uses this id, so a new one can cut the last one short.
constexpr std::uint32_t kMenuSoundId = 1;

class Canberra {
public:
    ~Canberra() {
        if (m_context)
            m_api.destroy(m_context);
    }

    void play(const char* eventId) {
        if (!open())
            return;
        m_api.cancel(m_context, kMenuSoundId);
        // A missing sound stays missing: no fallback sound is asked for.
        m_api.play(m_context, kMenuSoundId, CA_PROP_EVENT_ID, eventId, nullptr);
    }

private:
    // Connecting to the sound service costs time, so it waits for the first
    // menu sound; a failed attempt is not repeated for every menu.
    bool open() {
        if (m_context || m_failed)
            return m_context != nullptr;
        if (!m_api.load() || m_api.create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            m_failed = true;
            return false;
        }
        m_api.changeProps(m_context, CA_PROP_APPLICATION_NAME, "qirazo", CA_PROP_APPLICATION_ID,
                          "org.example.qirazo", nullptr);
        if (m_api.open(m_context) != CA_SUCCESS) {
            m_api.destroy(m_context);
            m_context = nullptr;
            m_failed = true;
            return false;
        }
        return true;
    }

    CanberraApi m_api;
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
