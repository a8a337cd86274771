#pragma once
// Binds the translation box's taps to the application's wave player.

#include "script/ScriptEnvironment.h"

class CWavOut;

// A player that speaks the clips through `wavOut` (CWavOut::Play, synchronous; its result is
// ignored, as every failure has already been shown to the user). `wavOut` must outlive it.
PhrasePlayer PlayThrough(CWavOut& wavOut);
