#pragma once
// CTip: a travel or cultural tip, referred to by id from the translation phrases.

#include "baselib/String.h"

class CFastInputStream;
class CFastOutputStream;

class CTip
{
public:
    CTip() : id(0) {}
    CTip(int tipId, const String& tipText) : id(tipId), text(tipText) {}
    virtual ~CTip() = default;
    CTip(const CTip&) = default;
    CTip& operator=(const CTip&) = default;

    // Reads id and text. Returns 0 when the data is damaged.
    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    int id;
    String text;
};
