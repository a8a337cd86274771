#pragma once
// The phrase books the tools build: one per edition, two for the Japanese edition (the
// main book and the kana book under the same ids).

#include <string>
#include <vector>

#include "tools/phrasetools/PhraseSource.h"

enum class BookKind { Chinese, Japanese, Kana, Korean };

struct BookInfo {
    BookKind kind;
    const char* key;        // command-line name: "zh", "ja", "kana", "ko"
    const char* program;    // the program whose folder holds the book
    const char* fileName;   // the book's file name in that folder
};

const std::vector<BookInfo>& AllBooks();
// The book of that command-line name, or nullptr.
const BookInfo* FindBook(const std::string& key);

// The phrase's translation text as the source gives it for this book (empty when missing).
const std::u16string& SourceTranslation(const SourcePhrase& phrase, BookKind kind);
// The phrase's tip for this book's edition (the kana book shares the Japanese tips).
const std::u16string& SourceTip(const SourcePhrase& phrase, BookKind kind);
// The source key that holds this book's translation: "zh", "ja", "kana", "ko".
const char* SourceKey(BookKind kind);
