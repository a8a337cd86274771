#include "shell/app/HtmlDialog.h"

#include "shell/app/ShellIds.h"

namespace {

std::u16string KeyOf(const String& name) { return std::u16string(name.GetString()); }

} // namespace

HtmlDialog::HtmlDialog(int templateId, CDialog* parent) : CDialog(templateId, parent) {}

HtmlDialog::~HtmlDialog() = default;

bool HtmlDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Without a viewer the dialog still opens and closes normally.
    if (InitHtmlControl()) {
        m_viewer = CreateHtmlViewer(*this, IDC_HTML_VIEWER, GetClientRect());
        if (m_viewer && m_viewer->IsValid()) {
            m_viewer->SetListener(this);
            m_viewer->SetFocus();
            m_viewer->SetWindowText(String());
        } else {
            m_viewer.reset();
        }
    }
    return true;
}

void HtmlDialog::OnSize(int clientWidth, int clientHeight)
{
    if (m_viewer)
        m_viewer->MoveWindow({0, 0, clientWidth, clientHeight});
    CDialog::OnSize(clientWidth, clientHeight);
}

void HtmlDialog::OnDestroy()
{
    if (m_viewer)
        m_viewer->SetListener(nullptr);
    m_viewer.reset();
    m_images.clear();
    CDialog::OnDestroy();
}

bool HtmlDialog::AddImage(int bitmapId, const String& name)
{
    auto record = std::make_unique<ImageRecord>();
    if (!record->bitmap.LoadBitmap(bitmapId))
        return false;
    m_images[KeyOf(name)] = std::move(record);
    return true;
}

bool HtmlDialog::HasImage(const String& name) const { return m_images.count(KeyOf(name)) != 0; }

void HtmlDialog::SetPage(const String& html)
{
    if (!m_viewer)
        return;
    m_viewer->Clear();
    m_viewer->AddText(html);
    m_viewer->EndOfSource();
}

void HtmlDialog::OnInlineImage(CHtmlViewer& viewer, const String& name, uint32_t cookie)
{
    const auto found = m_images.find(KeyOf(name));
    if (found == m_images.end()) {
        viewer.ImageFailed(cookie);
        return;
    }
    viewer.SetImage(cookie, found->second->bitmap);
}

void HtmlDialog::OnLinkTapped(CHtmlViewer&, const String&)
{
    // Links of the help page open nothing.
}
