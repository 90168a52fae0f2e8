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
        if (p.context)
            QMetaObject::invokeMethod(p.context, std::move(p.action), Qt::QueuedConnection);
    }
}

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
    g_playing = true;
    SoundPlayer& player = g_player ? *g_player : defaultSoundPlayer();
    const bool ok = player.playFile(name);
    g_playing = false;
    runPending();
    return ok;
}
