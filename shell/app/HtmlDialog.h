#pragma once
// HtmlDialog: a dialog whose whole client area is the platform's HTML viewer. Pictures of the
// page are served by name from bitmap resources registered with AddImage; links do nothing.

#include "baselib/String.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/HtmlViewer.h"

#include <map>
#include <memory>
#include <string>

class HtmlDialog : public CDialog, public CHtmlViewerListener {
public:
    HtmlDialog(int templateId, CDialog* parent);
    ~HtmlDialog() override;

    // Loads bitmap resource `bitmapId` and serves it under `name`; false when it cannot be loaded.
    bool AddImage(int bitmapId, const String& name);
    // Replaces the page by the text (one block of HTML).
    void SetPage(const String& html);

    // The viewer while the dialog runs; null when the platform has none.
    CHtmlViewer* GetViewer() const { return m_viewer.get(); }
    bool HasImage(const String& name) const;

    bool OnInitDialog() override;
    void OnSize(int clientWidth, int clientHeight) override;
    void OnDestroy() override;

    void OnInlineImage(CHtmlViewer& viewer, const String& name, uint32_t cookie) override;
    void OnLinkTapped(CHtmlViewer& viewer, const String& href) override;

private:
    struct ImageRecord {
        CBitmap bitmap;
        int width = 0;
        int height = 0;
    };

    std::unique_ptr<CHtmlViewer> m_viewer;
    std::map<std::u16string, std::unique_ptr<ImageRecord>> m_images;
};
