// Plays one recording, says so, then idles in an event loop like the program
// does between presses, until a signal ends it.

#include "playsound.h"
#include "sdlplayer.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    platform::setSoundPlayer(&platform::sdlSoundPlayer());
    const bool played = PlaySoundA(argv[1], nullptr, SND_FILENAME);
    std::printf("%s\n", played ? "played" : "failed");
    std::fflush(stdout);
    return app.exec();
}
