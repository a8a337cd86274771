#pragma once
// What the script controls borrow from the application object and the screens: the edition's
// profile, the glyph font, the application-wide ScriptFlag, the kana book, and how a phrase is
// played. Every pointer is borrowed and must outlive the controls that use it.

#include <cstdint>
#include <functional>

class CG2bTable;
class CGlyphFont;
class CPhraseBook;
struct EditionProfile;

// Plays the clips of a phrase (the shell binds CWavOut::Play of the application's player).
using PhrasePlayer = std::function<void(const int* clips, int count)>;

struct ScriptEnvironment {
    const EditionProfile* profile = nullptr;
    CGlyphFont* glyphFont = nullptr;
    // 1 = simplified (Japanese edition: kanji), 0 = traditional (kana). Shared by every screen.
    uint32_t* scriptFlag = nullptr;
    // The Japanese edition's kana book; null elsewhere.
    CPhraseBook* kanaBook = nullptr;
    // The conversion table; null means the program's one (GetG2bTable), created at first use.
    CG2bTable* conversionTable = nullptr;
    PhrasePlayer player;
};
