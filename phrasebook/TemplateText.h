#pragma once
// The display text of a template phrase, where its bracketed words lie in that text,
// and which of them a tap on the phrase list hits. Pure functions: the caller
// supplies the width measure (the list's font), so they can be tested without a
// screen.
//
// A marker is "$W" followed by the whole run of decimal digits after it (without a
// leading zero); marker n belongs to the rule's wildcard n - 1. The text is expanded
// in one pass, so a wildcard value is never searched again for markers.

#include <functional>
#include <vector>

#include "baselib/String.h"

class CPhrase;

// Drawn width, in pixels, of a text as one line.
using TextWidthMeasure = std::function<int(const String& text)>;

struct WildCardSpan
{
    int wildcard;  // index into the rule's wildcards
    int first;     // position of the "[" in the display text
    int length;    // "[", the current value and "]"
};

struct WildCardHit
{
    WildCardSpan span;
    int left;   // drawn width of the display text before the span
    int right;  // drawn width of the display text up to the end of the span
};

// The display text of phrase (see CPhrase::GetDisplayText) and, when spans is given,
// the span of the first bracketed word of each wildcard that has a marker in the
// text, in wildcard order. Atomic phrases have no spans.
String ExpandTemplateText(const CPhrase& phrase, std::vector<WildCardSpan>* spans);

// Tests a tap at x (measured from the start of the text, after horizontal
// scrolling) against the bracketed words of wildcard 0, 1, ... in turn; the first
// span with left <= x <= right wins. Returns that wildcard's index and fills hit,
// or returns -1 when no span is hit (always for an atomic phrase).
int HitTestWildCard(const CPhrase& phrase, int x, const TextWidthMeasure& measure,
                    WildCardHit* hit);
