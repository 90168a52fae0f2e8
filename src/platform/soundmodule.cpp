#include "playsound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace platform {
namespace {

class SilentPlayer final : public SoundPlayer {
public:
    bool playFile(const char*) override { return false; }
};

QString programDir() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
}

SoundPlayer* loadModule() {
    QLibrary module(programDir() + QStringLiteral("/qirazo-sound"));
    using Entry = SoundPlayer* (*)();
    if (auto entry = reinterpret_cast<Entry>(module.resolve("qirazo_sound_player")))
        return entry(); // the module stays loaded for the rest of the run
    return nullptr;
}

} // namespace

SoundPlayer& defaultSoundPlayer() {
    static SoundPlayer* player = [] {
        SoundPlayer* loaded = loadModule();
        static SilentPlayer silent;
        return loaded ? loaded : &silent;
    }();
    return *player;
}

} // namespace platform
