#pragma once
// The text of the phonetic line between the phrase list and the translation box, per edition:
// the PinYin of the translation (Chinese), the romaji of the kana book's translation with the same
// id (Japanese), nothing (Korean).

#include "baselib/String.h"

class CPhrase;
class CPhraseBook;
struct EditionProfile;

// Builds the line for `translation` (null: no translation selected, the line is empty). For the
// Japanese edition `kanaBook` is searched for the translation's id; a phrase it lacks gets an
// empty line. Returns false, leaving `line` alone, when the program's PinYin or romaji table
// cannot be created: the screen then refreshes nothing further.
bool BuildPhoneticLine(const EditionProfile& profile, const CPhrase* translation,
                       const CPhraseBook* kanaBook, String& line);
