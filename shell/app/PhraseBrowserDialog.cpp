#include "shell/app/PhraseBrowserDialog.h"

#include "phrasebook/Category.h"
#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"
#include "script/EditionProfile.h"
#include "shell/app/AboutDialog.h"
#include "shell/app/HelpDialog.h"
#include "shell/app/PhraseBookApp.h"
#include "shell/app/RelatedDialog.h"
#include "shell/app/ScreenLayout.h"
#include "shell/app/SearchDialog.h"
#include "shell/app/ShellIds.h"
#include "shell/app/TipDialog.h"

namespace {

ScriptEnvironment EnvironmentOfApp()
{
    PhraseBookApp* app = GetPhraseBookApp();
    return app ? app->GetScriptEnvironment() : ScriptEnvironment{};
}

} // namespace

PhraseBrowserDialog::PhraseBrowserDialog(const ShellEdition& edition, CDialog* parent)
    : CDialog(IDD_PHRASE_BROWSER, parent), m_edition(edition), m_pane(edition, EnvironmentOfApp())
{
    BindCommand(ID_SEARCH, [this] { OnSearch(); });
    BindCommand(ID_ADD_FAVORITE, [this] { OnAddFavorite(); });
    BindCommand(ID_DELETE_FAVORITE, [this] { OnDeleteFavorite(); });
    BindCommand(ID_TIP, [this] { OnTip(); });
    BindCommand(ID_RELATED, [this] { OnRelated(); });
    BindCommand(ID_HELP, [this] { OnHelp(); });
    BindCommand(ID_ABOUT, [this] { OnAbout(); });
    for (const CategoryCommand& command : edition.categoryCommands) {
        BindCommand(command.commandId, [this, &command] {
            SelectCategory(command.categoryName, command.subCategoryEntry);
        });
    }
    BindCommand(edition.favoritesCommand, [this] { SelectFavorites(); });
    if (edition.profile->hasScriptToggle && edition.refreshOrder == RefreshOrder::TranslationFirst)
        m_pane.SetToggleRefresh([this] { RefreshViews(true, true, true, true); });
}

bool PhraseBrowserDialog::SetCategory(CCategory* category) { return m_pane.GetView().SetCategory(category); }

bool PhraseBrowserDialog::IsSpecialCategory() const
{
    const CCategory* category = const_cast<PhrasePane&>(m_pane).GetView().GetCategory();
    return category && (category->id == kFavoritesCategoryId || category->id == kSearchResultCategoryId);
}

int PhraseBrowserDialog::ClosedComboHeight() const
{
    const CComboBox* combo = GetControl<CComboBox>(IDC_SUB_CATEGORY);
    return combo ? combo->GetClosedHeight() : 0;
}

namespace {

constexpr int kBrowserLabelTop = 3;

} // namespace

bool PhraseBrowserDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_book = GetPhraseBook();

    const int ids[] = {IDC_SUB_CATEGORY_LABEL, IDC_SUB_CATEGORY, IDC_PHRASE_LIST, IDC_TRANSLATION_BOX,
                       m_edition.translationFrameId, IDC_PHONETIC_LINE, IDOK, IDC_SCRIPT_TOGGLE};
    m_designed = RecordDesignedRects(*this, ids, IDC_SUB_CATEGORY_LABEL, kBrowserLabelTop);
    const Rect client = GetClientRect();
    m_alternative = BrowserAlternativeRects(m_designed, m_edition.translationFrameId, client.Width(),
                                            client.Height(), ClosedComboHeight());
    m_rectsRecorded = true;
    const ScreenLayout layout = GetScreenLayout(*this);
    if (layout != LayoutPortrait) {
        const int keep[] = {IDC_SUB_CATEGORY_LABEL, IDC_SUB_CATEGORY};
        PlaceControls(*this, RectsForLayout(layout, m_designed, m_alternative, keep));
    }

    CCategoryView& view = m_pane.GetView();
    m_pane.Attach(*this, m_edition.translationFrameId);
    if (CCategory* category = view.GetCategory())
        view.CollectPhrases(category->id, true);
    RefillSubCategories();
    m_pane.FillList(PhraseTextMode::Source);

    m_favoritesBar.Create(*this);
    m_favoritesBar.InsertMenuBar(m_edition.favoritesMenu);
    m_favoritesBar.AddToolbar(IDR_FAVORITES_TOOLBAR);
    m_normalBar.Create(*this);
    m_normalBar.InsertMenuBar(m_edition.normalMenu);
    m_normalBar.AddToolbar(IDR_NORMAL_TOOLBAR);

    const CCategory* category = view.GetCategory();
    if (category && category->id == kFavoritesCategoryId)
        m_favoritesBar.BringToFront();
    else
        m_normalBar.BringToFront();
    if (IsSpecialCategory()) {
        if (CWindow* combo = GetDlgItem(IDC_SUB_CATEGORY))
            combo->EnableWindow(false);
    }

    OnPhraseSelected();
    m_pane.LinkFrame();
    return true;
}

void PhraseBrowserDialog::PlaceForLayout()
{
    const ScreenLayout layout = GetScreenLayout(*this);
    if (layout == LayoutLandscape) {
        const Rect client = GetClientRect();
        m_alternative = BrowserAlternativeRects(m_designed, m_edition.translationFrameId, client.Width(),
                                                client.Height(), ClosedComboHeight());
    }
    const int keep[] = {IDC_SUB_CATEGORY_LABEL, IDC_SUB_CATEGORY};
    PlaceControls(*this, RectsForLayout(layout, m_designed, m_alternative, keep));
}

void PhraseBrowserDialog::OnSize(int clientWidth, int clientHeight)
{
    if (m_rectsRecorded)
        PlaceForLayout();
    CDialog::OnSize(clientWidth, clientHeight);
}

void PhraseBrowserDialog::OnDestroy()
{
    m_pane.Detach();
    m_rectsRecorded = false;
    CDialog::OnDestroy();
}

void PhraseBrowserDialog::RefillSubCategories()
{
    CComboBox* combo = GetControl<CComboBox>(IDC_SUB_CATEGORY);
    if (!combo)
        return;
    combo->ResetContent();
    CCategoryView& view = m_pane.GetView();
    for (int entry = 0; entry < view.GetSubCategoryEntryCount(); ++entry)
        combo->AddString(view.GetSubCategoryEntry(entry));
    combo->SetCurSel(0);
}

void PhraseBrowserDialog::OnSelChange(int controlId)
{
    if (controlId == IDC_PHRASE_LIST)
        OnPhraseSelected();
    else if (controlId == IDC_SUB_CATEGORY)
        OnSubCategoryChanged();
    CDialog::OnSelChange(controlId);
}

void PhraseBrowserDialog::OnPhraseSelected()
{
    m_pane.UpdateSelection();
    RefreshViews(true, true, false, true);
}

void PhraseBrowserDialog::OnSubCategoryChanged()
{
    CComboBox* combo = GetControl<CComboBox>(IDC_SUB_CATEGORY);
    if (combo && m_pane.GetView().OnSubCategorySelected(combo->GetCurSel())) {
        m_pane.FillList(PhraseTextMode::Source);
        combo->ShowDropDown(false);
    }
    OnPhraseSelected();
}

void PhraseBrowserDialog::RefreshViews(bool phonetic, bool translation, bool toggle, bool toolbar)
{
    m_pane.RefreshViews(phonetic, translation, toggle, [this, toolbar] {
        if (toolbar)
            UpdateToolbar();
    });
}

bool PhraseBrowserDialog::TipEnabled() const
{
    const CPhrase* translation = const_cast<PhrasePane&>(m_pane).GetSelectedTranslation();
    return translation && translation->HasTips();
}

bool PhraseBrowserDialog::RelatedEnabled() const
{
    const CPhrase* source = const_cast<PhrasePane&>(m_pane).GetSelectedPhrase();
    return source && source->HasRelated();
}

void PhraseBrowserDialog::UpdateToolbar()
{
    const bool tip = TipEnabled();
    const bool related = RelatedEnabled();
    for (CCommandBar* bar : {&m_favoritesBar, &m_normalBar}) {
        bar->EnableCommand(ID_TIP, tip);
        bar->EnableCommand(ID_RELATED, related);
    }
}

bool PhraseBrowserDialog::OnQueryCommandEnabled(int commandId, bool& enabled)
{
    if (commandId == ID_TIP) {
        enabled = TipEnabled();
        return true;
    }
    if (commandId == ID_RELATED) {
        enabled = RelatedEnabled();
        return true;
    }
    return CDialog::OnQueryCommandEnabled(commandId, enabled);
}

void PhraseBrowserDialog::SelectCategory(const char16_t* categoryName, int subCategoryEntry)
{
    CCategory* category = m_book ? m_book->FindCategoryByName(categoryName) : nullptr;
    if (!category)
        return;
    if (IsSpecialCategory()) {
        m_normalBar.BringToFront();
        if (CWindow* combo = GetDlgItem(IDC_SUB_CATEGORY))
            combo->EnableWindow(true);
    }
    CCategoryView& view = m_pane.GetView();
    view.SetCategory(category);
    view.CollectPhrases(category->id, true);
    RefillSubCategories();
    if (CComboBox* combo = GetControl<CComboBox>(IDC_SUB_CATEGORY))
        combo->SetCurSel(subCategoryEntry);
    OnSubCategoryChanged();
}

void PhraseBrowserDialog::SelectFavorites()
{
    CCategory* category = m_book ? m_book->FindCategoryByName(u"Favorites") : nullptr;
    if (!category)
        return;
    m_favoritesBar.BringToFront();
    if (CWindow* combo = GetDlgItem(IDC_SUB_CATEGORY))
        combo->EnableWindow(false);
    CCategoryView& view = m_pane.GetView();
    view.SetCategory(category);
    view.CollectPhrases(category->id, true);
    RefillSubCategories();
    m_pane.FillList(PhraseTextMode::Source);
    OnPhraseSelected();
}

void PhraseBrowserDialog::OnAddFavorite()
{
    CListBox* list = m_pane.GetList();
    const int entry = list ? list->GetCurSel() : LB_ERR;
    CCategoryView& view = m_pane.GetView();
    if (entry < 0 || static_cast<unsigned>(entry) >= view.GetPhraseCount() || !m_book)
        return;
    const CPhrase* phrase = view.PhraseAt(static_cast<unsigned>(entry));
    if (!phrase)
        return;
    const int id = phrase->atomic ? phrase->id : phrase->GetConcreteId();
    // A template whose words have no concrete phrase has nothing to remember: storing -1 would
    // keep a dead entry in the file while telling the user the phrase was added.
    if (id < 0)
        return;
    m_book->AddFavorite(id);
    ShowMessageBox(u"This phrase has been added to your favorites category.", m_edition.profile->programName,
                   MB_OK | MB_ICONINFORMATION);
}

void PhraseBrowserDialog::OnDeleteFavorite()
{
    CCategoryView& view = m_pane.GetView();
    const CCategory* category = view.GetCategory();
    CListBox* list = m_pane.GetList();
    if (!category || category->id != kFavoritesCategoryId || !list || list->GetCount() == 0 || !m_book)
        return;
    const int entry = list->GetCurSel();
    if (entry < 0 || static_cast<unsigned>(entry) >= view.GetPhraseCount())
        return;
    const CPhrase* phrase = view.PhraseAt(static_cast<unsigned>(entry));
    const int id = phrase ? phrase->id : -1;
    list->SetCurSel(-1);
    list->DeleteString(entry);
    if (list->GetCount() > 0)
        list->SetCurSel(entry > 0 ? entry - 1 : 0);
    if (phrase)
        m_book->DeleteFavorite(id);
    view.RemovePhraseAt(static_cast<unsigned>(entry));
    OnPhraseSelected();
}

void PhraseBrowserDialog::OnSearch()
{
    SearchDialog search(m_edition, this);
    if (search.DoModal() != IDOK || !m_book)
        return;
    PhraseBrowserDialog results(m_edition, this);
    if (results.SetCategory(m_book->FindCategoryByName(u"Search Result")))
        results.DoModal();
}

void PhraseBrowserDialog::OnTip()
{
    const CPhrase* translation = m_pane.GetSelectedTranslation();
    if (!translation || !translation->HasTips() || !m_book)
        return;
    TipDialog tip(this);
    tip.SetTipText(translation->GetTipText(*m_book));
    tip.DoModal();
}

void PhraseBrowserDialog::OnRelated()
{
    CPhrase* source = m_pane.GetSelectedPhrase();
    if (!source || !source->HasRelated() || !m_book)
        return;
    CPhrase* phrase = source->atomic ? source : source->GetConcretePhrase(*m_book);
    RelatedDialog related(m_edition, this);
    related.SetPhrase(phrase);
    related.DoModal();
}

void PhraseBrowserDialog::OnHelp()
{
    HelpDialog help(m_edition, this);
    help.DoModal();
}

void PhraseBrowserDialog::OnAbout()
{
    AboutDialog about(m_edition, this);
    about.DoModal();
}
