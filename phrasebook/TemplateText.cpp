#include "phrasebook/TemplateText.h"

#include <algorithm>

#include "phrasebook/Phrase.h"

namespace {

// Markers carry at most this many digits; longer runs could not name a wildcard of a
// list that holds at most 1,048,576 entries and are left in the text as they are.
const int kMaxMarkerDigits = 7;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// When a marker starts at position i of text, stores its length and its wildcard
// index (number - 1) and returns true.
bool ParseMarker(const String& text, int i, int& markerLength, int& wildcard)
{
    if (text[i] != u'$' || text[i + 1] != u'W' || !IsDigit(text[i + 2]) || text[i + 2] == u'0')
        return false;
    int end = i + 2;
    int number = 0;
    while (IsDigit(text[end])) {
        if (end - (i + 2) == kMaxMarkerDigits)
            return false;
        number = number * 10 + (text[end] - u'0');
        ++end;
    }
    markerLength = end - i;
    wildcard = number - 1;
    return true;
}

}  // namespace

String ExpandTemplateText(const CPhrase& phrase, std::vector<WildCardSpan>* spans)
{
    if (phrase.atomic)
        return phrase.name;

    const String& name = phrase.name;
    const int wildcardCount = phrase.rule.GetWildCardCount();
    std::vector<bool> seen(wildcardCount > 0 ? wildcardCount : 0, false);
    std::u16string text;
    const int length = name.GetLength();
    int i = 0;
    while (i < length) {
        int markerLength = 0;
        int wildcard = -1;
        if (ParseMarker(name, i, markerLength, wildcard) && wildcard < wildcardCount) {
            String word = String(u"[") + phrase.rule.GetWildCardAt(wildcard)->GetCurrentValue() + u"]";
            if (spans && !seen[wildcard]) {
                seen[wildcard] = true;
                spans->push_back(WildCardSpan{wildcard, (int)text.size(), word.GetLength()});
            }
            text.append(word.GetString(), (size_t)word.GetLength());
            i += markerLength;
        } else {
            text.push_back(name[i]);
            ++i;
        }
    }
    if (spans) {
        std::sort(spans->begin(), spans->end(),
                  [](const WildCardSpan& a, const WildCardSpan& b) { return a.wildcard < b.wildcard; });
    }
    return String(text.data(), (int)text.size());
}

int HitTestWildCard(const CPhrase& phrase, int x, const TextWidthMeasure& measure, WildCardHit* hit)
{
    std::vector<WildCardSpan> spans;
    String text = ExpandTemplateText(phrase, &spans);
    for (const WildCardSpan& span : spans) {
        int left = measure(text.Left(span.first));
        int right = measure(text.Left(span.first + span.length));
        if (x >= left && x <= right) {
            if (hit)
                *hit = WildCardHit{span, left, right};
            return span.wildcard;
        }
    }
    return -1;
}
