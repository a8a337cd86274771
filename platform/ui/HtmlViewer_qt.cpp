// The HTML viewer control over QTextBrowser.

#include "platform/ui/HtmlViewer.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogState_qt.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <map>
#include <vector>

namespace {

bool g_viewerAvailable = true;
bool g_viewerInitialised = false;

// The viewer's own picture for an image its owner could not give.
QImage PlaceholderImage()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    painter.drawLine(3, 3, 12, 12);
    painter.drawLine(12, 3, 3, 12);
    return image;
}

class ViewerWidget : public QTextBrowser {
public:
    explicit ViewerWidget(QWidget* parent) : QTextBrowser(parent)
    {
        setOpenLinks(false);
        setOpenExternalLinks(false);
        setFrameStyle(QFrame::NoFrame);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (listener && owner)
                listener->OnLinkTapped(*owner, FromQString(url.toString()));
        });
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::ImageResource) {
            auto found = images.find(name.toString());
            // Until its owner answers, a picture takes no room; a refused one is the placeholder.
            return found == images.end() ? QVariant(QImage()) : QVariant(found->second);
        }
        return QVariant();
    }

    void EndOfSource()
    {
        images.clear();
        pending.clear();
        setHtml(source);
        // Ask for each picture of the page once, in page order.
        std::vector<QString> names;
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                QTextCharFormat format = it.fragment().charFormat();
                if (!format.isImageFormat())
                    continue;
                QString name = format.toImageFormat().name();
                if (std::find(names.begin(), names.end(), name) == names.end())
                    names.push_back(name);
            }
        }
        for (const QString& name : names) {
            uint32_t cookie = nextCookie++;
            pending[cookie] = name;
            if (listener && owner)
                listener->OnInlineImage(*owner, FromQString(name), cookie);
        }
    }

    void Answer(uint32_t cookie, const QImage& image)
    {
        auto found = pending.find(cookie);
        if (found == pending.end())
            return;
        QString name = found->second;
        pending.erase(found);
        images[name] = image;
        document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
        document()->markContentsDirty(0, document()->characterCount());
        viewport()->update();
    }

    CHtmlViewer* owner = nullptr;
    CHtmlViewerListener* listener = nullptr;
    QString source;
    std::map<QString, QImage> images;
    std::map<uint32_t, QString> pending;
    uint32_t nextCookie = 1;
};

ViewerWidget* Viewer(const CHtmlViewer& viewer)
{
    auto* widget = dynamic_cast<ViewerWidget*>(viewer.GetHandle().widget.data());
    if (widget)
        widget->owner = const_cast<CHtmlViewer*>(&viewer);
    return widget;
}

} // namespace

QWidget* CreateHtmlViewerWidget(QWidget* parent)
{
    if (!g_viewerAvailable)
        return nullptr;
    return new ViewerWidget(parent);
}

void SetHtmlViewerAvailableForTests(bool available)
{
    g_viewerAvailable = available;
    g_viewerInitialised = false;
}

bool InitHtmlControl()
{
    if (!g_viewerInitialised)
        g_viewerInitialised = g_viewerAvailable;
    return g_viewerInitialised;
}

std::unique_ptr<CHtmlViewer> CreateHtmlViewer(CDialog& parent, int id, const Rect& rect)
{
    DialogState& state = parent.GetState();
    if (!g_viewerInitialised || !g_viewerAvailable || !state.running || !state.client)
        return nullptr;
    auto viewer = std::make_unique<CHtmlViewer>();
    auto* widget = new ViewerWidget(state.client.data());
    widget->setProperty("controlId", id);
    widget->setGeometry(ToQRect(rect));
    widget->show();
    widget->owner = viewer.get();
    AttachWindow(*viewer, widget);
    return viewer;
}

void CHtmlViewer::SetListener(CHtmlViewerListener* listener)
{
    if (ViewerWidget* widget = Viewer(*this))
        widget->listener = listener;
}

void CHtmlViewer::Clear()
{
    if (ViewerWidget* widget = Viewer(*this)) {
        widget->source.clear();
        widget->clear();
    }
}

void CHtmlViewer::AddText(const String& html)
{
    if (ViewerWidget* widget = Viewer(*this))
        widget->source += ToQString(html);
}

void CHtmlViewer::EndOfSource()
{
    if (ViewerWidget* widget = Viewer(*this))
        widget->EndOfSource();
}

void CHtmlViewer::SetImage(uint32_t cookie, const CBitmap& bitmap)
{
    ViewerWidget* widget = Viewer(*this);
    if (!widget)
        return;
    widget->Answer(cookie, bitmap.IsNull() ? PlaceholderImage() : bitmap.GetData()->image);
}

void CHtmlViewer::ImageFailed(uint32_t cookie)
{
    if (ViewerWidget* widget = Viewer(*this))
        widget->Answer(cookie, PlaceholderImage());
}

String CHtmlViewer::GetPlainText() const
{
    ViewerWidget* widget = Viewer(*this);
    return widget ? FromQString(widget->toPlainText()) : String();
}
