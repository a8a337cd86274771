#pragma once
// The phrase sources (data/phrases/*.txt, format in data/README.md) as read into memory:
// categories in file order and phrase records with every translation of every edition.
//
// Reading is two steps. ParseFile reads one file's lines into records and reports syntax
// errors with file and line. Resolve then joins the files: it ties each concrete record to
// its template, fills in what concrete phrases take from their template (English text,
// category, related phrases, tips) and reports combinations that are missing or unknown.
// Content faults that do not stop a phrase book from being built (a repeated id, a related
// id that no phrase has) are left to the linter, which lists them all at once.

#include <string>
#include <vector>

struct SourceLocation {
    std::string file;
    int line = 0;
};

struct SourceError {
    SourceLocation where;
    std::string message;
};

struct SourceCategory {
    std::u16string name;
    int parent = -1;   // index of the major category in PhraseSources::categories, -1 for a major
    SourceLocation where;
};

struct SourcePhrase {
    int id = 0;
    SourceLocation where;
    int category = -1;   // index in PhraseSources::categories

    std::u16string en;
    std::u16string zh, py, ja, kana, ko;
    std::u16string tipZh, tipJa, tipKo;
    std::vector<int> related;
    bool hidden = false;

    // A template: one list of words per slot ($W1 is slots[0]); empty for other phrases.
    std::vector<std::vector<std::u16string>> slots;
    // A concrete phrase: the template's id and its words, one per slot.
    int templateId = -1;
    std::vector<std::u16string> words;

    bool IsTemplate() const { return !slots.empty(); }
    bool IsConcrete() const { return templateId >= 0; }
};

struct PhraseSources {
    std::vector<SourceCategory> categories;
    std::vector<SourcePhrase> phrases;

    // The first phrase with this id, or nullptr.
    const SourcePhrase* Find(int id) const;
};

// Reads one source file's text (UTF-8) and appends its categories and records.
// Returns false when an error was appended.
bool ParseFile(const std::string& path, const std::string& text, PhraseSources& sources,
               std::vector<SourceError>& errors);

// Reads each file in the order given (the order of the compiled book) and resolves them.
bool ReadPhraseSources(const std::vector<std::string>& paths, PhraseSources& sources,
                       std::vector<SourceError>& errors);

// Joins concrete records to their templates; see the comment at the top.
bool Resolve(PhraseSources& sources, std::vector<SourceError>& errors);

// "file:line: message"
std::string FormatError(const SourceError& error);
