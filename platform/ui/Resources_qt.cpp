// The program's resource registry: tables by number, images decoded on first load.

#include "platform/ui/Platform_qt.h"
#include "platform/ui/Resources.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <map>

namespace {

struct ImageSource {
    QString path;          // file or embedded resource; empty when bytes are given
    QByteArray bytes;
    QImage decoded;
    bool tried = false;
};

struct Registry {
    std::map<int, const DialogTemplate*> dialogs;
    std::map<int, const MenuTemplate*> menus;
    std::map<int, const ToolbarTemplate*> toolbars;
    std::map<int, const char16_t*> strings;
    std::map<int, ImageSource> bitmaps;
    std::map<int, ImageSource> icons;
};

Registry& GetRegistry()
{
    static Registry registry;
    return registry;
}

// Pictures given as bytes are PNG (the build renders every picture to it). Naming the format and
// turning detection off sends them straight to Qt's built-in PNG reader: otherwise the reader
// loads every image format plugin installed (SVG, GIF, JPEG...) to ask whether it knows the
// format, a few milliseconds of start-up for nothing.
QImage DecodePng(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage Decode(std::map<int, ImageSource>& images, int id)
{
    auto found = images.find(id);
    if (found == images.end())
        return QImage();
    ImageSource& source = found->second;
    if (!source.tried) {
        source.tried = true;
        if (!source.path.isEmpty())
            source.decoded.load(source.path);
        else
            source.decoded = DecodePng(source.bytes);
        // One pixel format for the drawing code, except that opaque pictures stay as decoded:
        // their RGB32 pixels are what the screen shows without another conversion, and a
        // full-screen category picture is a quarter of a megabyte to copy.
        if (!source.decoded.isNull() && source.decoded.format() != QImage::Format_RGB32)
            source.decoded = source.decoded.convertToFormat(QImage::Format_ARGB32);
    }
    return source.decoded;
}

ImageSource FromPath(const char* path)
{
    ImageSource source;
    source.path = QString::fromUtf8(path ? path : "");
    return source;
}

ImageSource FromBytes(const unsigned char* png, std::size_t size)
{
    ImageSource source;
    if (png)
        source.bytes = QByteArray(reinterpret_cast<const char*>(png), static_cast<qsizetype>(size));
    return source;
}

} // namespace

void RegisterDialogTemplate(const DialogTemplate& dialog) { GetRegistry().dialogs[dialog.id] = &dialog; }
void RegisterMenu(const MenuTemplate& menu) { GetRegistry().menus[menu.id] = &menu; }
void RegisterToolbar(const ToolbarTemplate& toolbar) { GetRegistry().toolbars[toolbar.id] = &toolbar; }
void RegisterString(int id, const char16_t* text) { GetRegistry().strings[id] = text; }
void RegisterBitmapFile(int id, const char* path) { GetRegistry().bitmaps[id] = FromPath(path); }
void RegisterBitmapData(int id, const unsigned char* png, std::size_t size)
{
    GetRegistry().bitmaps[id] = FromBytes(png, size);
}
void RegisterIconFile(int id, const char* path) { GetRegistry().icons[id] = FromPath(path); }
void RegisterIconData(int id, const unsigned char* png, std::size_t size)
{
    GetRegistry().icons[id] = FromBytes(png, size);
}

void ClearResources() { GetRegistry() = Registry(); }

template <class T>
static const T* FindIn(const std::map<int, const T*>& table, int id)
{
    auto found = table.find(id);
    return found == table.end() ? nullptr : found->second;
}

const DialogTemplate* FindDialogTemplate(int id) { return FindIn(GetRegistry().dialogs, id); }
const MenuTemplate* FindMenu(int id) { return FindIn(GetRegistry().menus, id); }
const ToolbarTemplate* FindToolbar(int id) { return FindIn(GetRegistry().toolbars, id); }

String LoadResourceString(int id, bool* ok)
{
    const char16_t* text = FindIn(GetRegistry().strings, id);
    if (ok)
        *ok = text != nullptr;
    return text ? String(text) : String();
}

bool HasBitmap(int id) { return !Decode(GetRegistry().bitmaps, id).isNull(); }
bool HasIcon(int id) { return !Decode(GetRegistry().icons, id).isNull(); }
QImage LoadBitmapImage(int resourceId) { return Decode(GetRegistry().bitmaps, resourceId); }
QImage LoadIconImage(int resourceId) { return Decode(GetRegistry().icons, resourceId); }
