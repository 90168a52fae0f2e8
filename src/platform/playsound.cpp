#include "playsound.h"

#include <QMetaObject>
#include <QPointer>

#include <utility>
#include <vector>

namespace platform {
namespace {

SoundPlayer* g_player = nullptr;
bool g_playing = false;

struct Pending {
    QPointer<QObject> context;
    std::function<void()> action;
};
std::vector<Pending>& pending() {
    static std::vector<Pending> list;
    return list;
}

void runPending() {
    auto list = std::exchange(pending(), {});
    for (auto& p : list) {
        if (!p.context)
            continue;
        // Run from the event loop, and only if no sound has started by then
        // (in a reading the next one starts at once): otherwise wait again.
        QObject* context = p.context;
        QMetaObject::invokeMethod(
            context,
            [context, action = std::move(p.action)]() mutable {
                whenSoundIdle(context, std::move(action));
            },
            Qt::QueuedConnection);
    }
}

// Marks a sound as playing for as long as it lives, also when the backend
// throws.
struct PlayingScope {
    PlayingScope() { g_playing = true; }
    ~PlayingScope() {
        g_playing = false;
        runPending();
    }
};

} // namespace

SoundPlayer* setSoundPlayer(SoundPlayer* player) {
    return std::exchange(g_player, player);
}

bool soundPlaying() {
    return g_playing;
}

void whenSoundIdle(QObject* context, std::function<void()> action) {
    if (!g_playing) {
        action();
        return;
    }
    pending().push_back({context, std::move(action)});
}

} // namespace platform

bool PlaySoundA(const char* name, void* /*module*/, unsigned flags) {
    using namespace platform;
    if (g_playing || name == nullptr || (flags & SND_FILENAME) == 0)
        return false;
    PlayingScope scope;
    SoundPlayer& player = g_player ? *g_player : defaultSoundPlayer();
    return player.playFile(name);
}
