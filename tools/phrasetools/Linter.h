#pragma once
// The phrase linter: checks the phrase sources and the phrase books, voice archives, fonts and
// tables built from them, the way the programs will use them, and lists every fault at once.
//
// What it reports (each finding names the phrase or the source line):
//  - source errors (syntax, templates and their concrete records), a repeated phrase id;
//  - a related, tip or map reference that finds nothing;
//  - a phrase without a translation for an edition, a translation without clips, a clip that
//    is not in the edition's voice archive;
//  - a character without a glyph in the edition's glyph font (Chinese also in its traditional
//    form) or, in the Korean edition, in its TrueType face;
//  - a Chinese character without a PinYin syllable, a digit in a Chinese text (the box never
//    draws digits: they select readings);
//  - a kana text holding a unit that the romaji conversion reports as unknown;
//  - a main screen category name that does not find its major category, and sub categories that
//    differ from the Category menu (the menu selects them by position);
//  - every translation, PinYin line, kana text and romaji line that would not show whole on the portrait
//    screen, by the boxes' own line rules.
// It also counts the listed phrases per edition, category and sub category.

#include <string>
#include <vector>

struct LintInputs {
    std::vector<std::string> sources;   // data/phrases/*.txt in book order
    std::string veloraDir;              // program folders; an empty one skips that edition
    std::string miravelDir;
    std::string serrakDir;
    std::string koreanMetrics;          // font_metrics.py output for the Korean face
};

struct LintFinding {
    std::string where;     // "file:line" or "Velora"
    int phraseId = -1;     // -1 when the finding is not about one phrase
    std::string message;
};

struct LintReport {
    std::vector<LintFinding> findings;
    std::string counts;    // the count table, printable
};

LintReport RunLint(const LintInputs& inputs);

// One finding as printed: "where: phrase @ID: message".
std::string FormatFinding(const LintFinding& finding);
