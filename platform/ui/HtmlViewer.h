#pragma once

// The HTML viewer control: shows a page given as HTML text, asks its owner for the pictures of
// the page by name and tells it about tapped links.
//
// The page is built in steps, as with the handheld's viewer: Clear, AddText (any number of
// times), EndOfSource. After EndOfSource the viewer asks the listener once per image name of
// the page, in page order, with a cookie; the owner answers SetImage(cookie, bitmap) or
// ImageFailed(cookie), at once or later. A failed image shows as the viewer's placeholder.

#include "baselib/String.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Window.h"

#include <cstdint>
#include <memory>

class CDialog;
class CHtmlViewer;

class CHtmlViewerListener {
public:
    virtual ~CHtmlViewerListener() = default;
    virtual void OnInlineImage(CHtmlViewer& viewer, const String& name, uint32_t cookie) = 0;
    virtual void OnLinkTapped(CHtmlViewer& viewer, const String& href) = 0;
};

class CHtmlViewer : public CWindow {
public:
    void SetListener(CHtmlViewerListener* listener);
    void Clear();
    void AddText(const String& html);
    void EndOfSource();
    void SetImage(uint32_t cookie, const CBitmap& bitmap);
    void ImageFailed(uint32_t cookie);
    // The page as plain text (what a reader sees), for checks.
    String GetPlainText() const;
};

// Makes the viewer available to this process; false when the platform has none. Each call after
// the first successful one returns true at once.
bool InitHtmlControl();
// Creates a viewer as a child of the running dialog's client area at rect (client pixels).
// Returns an empty pointer when InitHtmlControl has not succeeded or the dialog is not running.
std::unique_ptr<CHtmlViewer> CreateHtmlViewer(CDialog& parent, int id, const Rect& rect);
