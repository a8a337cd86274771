#pragma once

// A bitmap: the image of a bitmap resource (Resources.h), shared cheaply by copy.

#include "platform/ui/Color.h"

#include <memory>

struct BitmapData; // defined by the platform implementation

class CBitmap {
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&);
    CBitmap& operator=(const CBitmap&);

    // Loads bitmap resource id of the running program; false (and empty) when there is none or
    // its image cannot be decoded.
    bool LoadBitmap(int resourceId);
    // An image of the given size filled with one colour (for tests and scratch drawing).
    bool CreateFilled(int width, int height, ColorRef color);
    void DeleteObject();

    bool IsNull() const;
    int GetWidth() const;
    int GetHeight() const;
    // The pixel at (x, y); black outside the image.
    ColorRef GetPixel(int x, int y) const;

    const std::shared_ptr<BitmapData>& GetData() const { return m_data; }
    explicit CBitmap(std::shared_ptr<BitmapData> data);

private:
    std::shared_ptr<BitmapData> m_data;
};
