#pragma once
// CNameRecord: an entry of the book's name table. The table is carried from file to
// file; the application never consults it.

#include "baselib/String.h"

class CFastInputStream;
class CFastOutputStream;

class CNameRecord
{
public:
    CNameRecord() : id(0) {}
    CNameRecord(int recordId, const String& recordName) : id(recordId), name(recordName) {}

    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    int id;
    String name;
};
