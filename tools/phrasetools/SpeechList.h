#pragma once
// What the voice builder speaks: one line per clip, "ID<TAB>TEXT", in phrase order.
// Mandarin clips are spoken from the phrase's PinYin (the syllables the phrase needs, never
// the reading digits), Japanese from the kana reading (the speech engine reads kana, not
// kanji), Korean from the Hangul text. Templates have no clip of their own.

#include <string>

#include "tools/phrasetools/Edition.h"
#include "tools/phrasetools/PhraseSource.h"

std::string BuildSpeechList(const PhraseSources& sources, BookKind kind);

// The kana reading as it should be spoken. The speech engine reads each kana by its letter, so
// the particles は and へ would sound "ha" and "he"; they are written わ and え here. A particle
// is found by lining the reading up with the Japanese text: the kana runs of `ja` appear in the
// reading in order, and a run that starts with は or へ right after kanji or katakana starts
// with the particle. So do は and へ after the pronouns and particles that are written in kana
// (わたしは, ここは, では, には), and the greetings こんにちは and こんばんは. When the two texts do
// not line up, the reading is spoken as it is.
std::u16string SpokenKana(const std::u16string& ja, const std::u16string& kana);

// Every (Chinese character, syllable) pair the Chinese translations use, one
// "CHARACTER<TAB>SYLLABLE" line each, without repeats: the readings the PinYin table must hold.
std::string BuildReadingList(const PhraseSources& sources);
