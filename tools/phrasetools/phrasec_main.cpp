// phrasec: compiles the phrase sources into one edition's phrase book with the phrase book's
// own writer, or turns the decompiler's text form back into the book it came from.
//
//   phrasec --book zh|ja|kana|ko [--pinyin py_pool.dat] --out BOOK [--speech LIST] SOURCE...
//   phrasec --from-text TEXT --out BOOK
//   phrasec --readings LIST SOURCE...
//
// Outputs whose bytes do not change are left untouched. Errors go to standard error, one per
// line as "file:line: message", and make the exit status 1.

#include <cstdio>
#include <string>
#include <vector>

#include "phrasebook/PhraseBook.h"
#include "script/PinyinTable.h"
#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/BookText.h"
#include "tools/phrasetools/Edition.h"
#include "tools/phrasetools/FileIo.h"
#include "tools/phrasetools/PhraseSource.h"
#include "tools/phrasetools/SpeechList.h"
#include "tools/phrasetools/Utf.h"

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: phrasec --book zh|ja|kana|ko [--pinyin py_pool.dat] --out BOOK [--speech LIST] SOURCE...\n"
                 "       phrasec --from-text TEXT --out BOOK\n"
                 "       phrasec --readings LIST SOURCE...\n");
    return 2;
}

int ReportErrors(const std::vector<SourceError>& errors)
{
    for (const SourceError& error : errors)
        std::fprintf(stderr, "%s\n", FormatError(error).c_str());
    std::fprintf(stderr, "phrasec: %zu error(s)\n", errors.size());
    return 1;
}

int WriteBook(const CPhraseBook& book, const std::string& out)
{
    std::string bytes;
    std::string error;
    if (!SerializePhraseBook(book, bytes, error)) {
        std::fprintf(stderr, "phrasec: %s\n", error.c_str());
        return 1;
    }
    return WriteFileIfChanged(out, bytes) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string bookKey, pinyinPath, outPath, speechPath, textPath, readingsPath;
    std::vector<std::string> sourcesPaths;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        bool ok = true;
        if (arg == "--book")
            ok = value(bookKey);
        else if (arg == "--pinyin")
            ok = value(pinyinPath);
        else if (arg == "--out")
            ok = value(outPath);
        else if (arg == "--speech")
            ok = value(speechPath);
        else if (arg == "--from-text")
            ok = value(textPath);
        else if (arg == "--readings")
            ok = value(readingsPath);
        else if (!arg.empty() && arg[0] == '-')
            ok = false;
        else
            sourcesPaths.push_back(arg);
        if (!ok)
            return Usage();
    }

    if (!textPath.empty()) {
        if (outPath.empty() || !sourcesPaths.empty())
            return Usage();
        std::string text, error;
        if (!ReadWholeFile(textPath, text)) {
            std::fprintf(stderr, "phrasec: cannot read %s\n", textPath.c_str());
            return 1;
        }
        CPhraseBook book;
        if (!ParsePhraseBookText(text, book, error)) {
            std::fprintf(stderr, "%s:%s\n", textPath.c_str(), error.c_str());
            return 1;
        }
        return WriteBook(book, outPath);
    }

    if (sourcesPaths.empty())
        return Usage();
    PhraseSources sources;
    std::vector<SourceError> errors;
    if (!ReadPhraseSources(sourcesPaths, sources, errors))
        return ReportErrors(errors);

    if (!readingsPath.empty())
        return WriteFileIfChanged(readingsPath, BuildReadingList(sources)) ? 0 : 1;

    const BookInfo* info = FindBook(bookKey);
    if (info == nullptr || outPath.empty())
        return Usage();
    CPinyinTable pinyin;
    if (info->kind == BookKind::Chinese) {
        if (pinyinPath.empty() || pinyin.LoadPinyin(String(pinyinPath.c_str())) !=
                                      CPinyinTable::kLoaded) {
            std::fprintf(stderr, "phrasec: the Chinese book needs a PinYin table (--pinyin); cannot load \"%s\"\n",
                         pinyinPath.c_str());
            return 1;
        }
    }
    CPhraseBook book;
    if (!BuildPhraseBook(sources, info->kind, &pinyin, book, errors))
        return ReportErrors(errors);
    if (WriteBook(book, outPath) != 0)
        return 1;
    if (!speechPath.empty() && !WriteFileIfChanged(speechPath, BuildSpeechList(sources, info->kind)))
        return 1;
    return 0;
}
