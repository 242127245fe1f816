// The entry point of the audio module, which the game loads on its first
// sound (see LazySoundOutput).
#include "platform/QtSoundOutput.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT strhaven::SoundOutput* strhavenCreateSoundOutput()
{
    return new strhaven::QtSoundOutput;
}
