#pragma once
// What the voice builder speaks: one line per clip, "ID<TAB>TEXT", in phrase order.
// Mandarin clips are spoken from the phrase's PinYin (the syllables the phrase needs, never
// the reading digits), Japanese from the kana reading (the speech engine reads kana, not
// kanji), Korean from the Hangul text. Templates have no clip of their own.

#include <string>

#include "tools/phrasetools/Edition.h"
#include "tools/phrasetools/PhraseSource.h"

std::string BuildSpeechList(const PhraseSources& sources, BookKind kind);

// Every (Chinese character, syllable) pair the Chinese translations use, one
// "CHARACTER<TAB>SYLLABLE" line each, without repeats: the readings the PinYin table must hold.
std::string BuildReadingList(const PhraseSources& sources);
