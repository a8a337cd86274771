#pragma once

// Fonts by height and face name, and fonts registered for this process from a file.
//
// A CFont is a plain description: the platform resolves it to a real face when text is drawn
// or measured. A face that is not installed falls back to a face the platform picks, as a
// device does; no error is raised for it.

#include "baselib/String.h"

class CFont {
public:
    enum : int { WeightNormal = 400, WeightBold = 700 };

    CFont() = default;
    // height: the character cell height in pixels (0 = the platform's default size).
    CFont(int height, const String& faceName, int weight = WeightNormal, bool italic = false)
        : m_height(height), m_faceName(faceName), m_weight(weight), m_italic(italic) {}

    // Fills the description like the platform's font creation call. Fails (and leaves the font
    // unchanged) only for an empty face name or a negative height.
    bool CreateFont(int height, const String& faceName, int weight = WeightNormal, bool italic = false);

    int GetHeight() const { return m_height; }
    const String& GetFaceName() const { return m_faceName; }
    int GetWeight() const { return m_weight; }
    bool IsItalic() const { return m_italic; }
    // The font that controls use when nobody chose one (what a dialog's font resolves to).
    bool IsDefault() const { return m_faceName.IsEmpty(); }

private:
    int m_height = 0;
    String m_faceName;
    int m_weight = WeightNormal;
    bool m_italic = false;
};

// Registers the faces of a TrueType file for this process; returns the number of faces added
// (0 when the file is missing or not a font). Registering the same path twice adds it once and
// keeps a count, like the platform call.
int AddFontResource(const String& path);
// Undoes one AddFontResource of the same path; false when the path was not registered.
bool RemoveFontResource(const String& path);
// Tells every screen that the set of fonts changed (they repaint); harmless when nothing runs.
void BroadcastFontChange();
