#pragma once
// The readable text form of a phrase book: every record and every field, one record per
// line, in file order. Written by the decompiler and read back by the compiler, so that
// text -> book -> WriteTo reproduces the bytes of the book the text came from.
//
//   book "19760424"
//   category id=1 parent=0 name="Basic"
//   source atomic=1 aux_flag=0 visible=1 id=1010 cat_id=101 aux_value=0 name="Hello."
//     related 1017 1019
//     clips
//     tips
//     rule pid=0 name="" wildcards=0
//     maps 0
//   name id=1 name="..."
//   tip id=1 text="..."
//   translation atomic=1 ... (as source)
//   pair first=1 second=2
//   end "19760424"
//
// A rule or map line is followed by its wildcard lines:
//       wildcard attr="W1" value="tea|coffee" current=0 longest=0 values "tea" "coffee"
// and "maps N" by N map lines. Texts are in double quotes, with \" \\ \n \r \t and \uXXXX
// (for other control units and lone surrogates) escaped; everything else is UTF-8.

#include <string>

class CPhraseBook;

std::string DumpPhraseBook(const CPhraseBook& book);

// Parses the text form into `book` (which should be empty). Returns false with a message
// naming the line on any departure from the form above.
bool ParsePhraseBookText(const std::string& text, CPhraseBook& book, std::string& error);
