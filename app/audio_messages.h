// Keeps the sound libraries' own complaints off the console: a machine with
// no sound card plays silently, it doesn't print.
#pragma once

// Call before the audio device is opened; harmless where ALSA is missing.
void SilenceAudioLibraryMessages();
