#pragma once
// CPairRecord: an entry of the book's pair table. The table is carried from file to
// file; the application never consults it.

class CFastInputStream;
class CFastOutputStream;

class CPairRecord
{
public:
    CPairRecord() : first(0), second(0) {}
    CPairRecord(int firstValue, int secondValue) : first(firstValue), second(secondValue) {}

    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    int first;
    int second;
};
