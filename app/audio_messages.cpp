// ALSA prints its configuration errors to stderr unless given a handler of
// its own; SDL loads ALSA at run time, so the handler is found the same way.
#include "audio_messages.h"

#include <dlfcn.h>

namespace {

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void SilenceAudioLibraryMessages()
{
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetErrorHandler = int (*)(ErrorHandler);
    // Kept loaded: SDL's own dlopen of the library finds this same copy.
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (alsa == nullptr)
        return;
    auto* setHandler
        = reinterpret_cast<SetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler != nullptr)
        setHandler(&IgnoreAlsaMessage);
}
