#pragma once
// Phrase book files through the phrase book's own reader and writer.

#include <string>

class CPhraseBook;

// The bytes that CPhraseBook::WriteTo produces for `book`. Returns false when the book does
// not fit the output stream (its size cap would silently cut the file) or when the bytes do
// not read back with the same number of records.
bool SerializePhraseBook(const CPhraseBook& book, std::string& bytes, std::string& error);

// Reads a phrase book file with CPhraseBook::ReadFrom. False with a message on failure.
bool LoadPhraseBookFile(const std::string& path, CPhraseBook& book, std::string& error);
