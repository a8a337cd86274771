#pragma once
// The voice check: every translation of an edition's phrase book has its clips in the edition's
// "voice.dat", and they decode (with the programs' own archive reader and MP3 decoder) to sound
// that is not silent and whose length fits the text. It reports per edition the clip count, the
// shortest and the longest clip, every silent clip, every clip whose length does not fit its text
// and every translation without a clip; each of those but the extremes is a fault.
//
// The length of a text is counted in spoken units: Chinese characters (one syllable each) for
// Velora, kana morae of the kana book's reading for Miravel (a small ya, yu, yo or vowel joins the
// kana before it; a small tsu and a long vowel mark take a beat of their own), Hangul syllables
// and the digits and Latin letters among them for Serrak.

#include <string>
#include <vector>

#include "tools/phrasetools/ClipSound.h"
#include "tools/phrasetools/Edition.h"

enum class VoiceEdition { Velora, Miravel, Serrak };

struct VoiceCheckInputs {
    VoiceEdition edition = VoiceEdition::Velora;
    std::string dir;       // the program folder
    ClipLimits limits;     // normally DefaultClipLimits(edition)
};

// One translation's sound: all its clips, decoded in order, as the program plays them.
struct TranslationSound {
    int id = 0;
    std::string text;      // the translation (Miravel: the Japanese text), UTF-8
    int spokenUnits = 0;
    ClipSound sound;
    ClipVerdict verdict = ClipVerdict::Fine;
};

struct VoiceCheckReport {
    std::string program;
    int clipsDecoded = 0;
    std::vector<TranslationSound> sounds;   // every translation whose clips all decoded
    std::vector<std::string> faults;        // one line each, naming the phrase
    std::string summary;                    // printable: counts, extremes, faults
};

// The bounds the data is held to (see VoiceCheck.cpp for how they were chosen).
ClipLimits DefaultClipLimits(VoiceEdition edition);

const char* ProgramName(VoiceEdition edition);

// Spoken units of a text for this edition (Miravel: of the kana reading).
int CountSpokenUnits(VoiceEdition edition, const std::u16string& text);

VoiceCheckReport RunVoiceCheck(const VoiceCheckInputs& inputs);
