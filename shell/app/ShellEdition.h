#pragma once
// ShellEdition: what the screens of one program need beyond its EditionProfile: the command ids
// of the category menu, the identifiers of the controls and resources that differ, the help
// page's strings and pictures, and the edition's resource registration. Each program's entry
// module hands exactly one of these to PhraseBookApp; the screens never test which edition runs.

#include <span>

struct EditionProfile;

// One leaf of the browser's "Category" menu: the command selects (category name, sub category
// entry), entry 0 being "All".
struct CategoryCommand {
    int commandId;
    const char16_t* categoryName;
    int subCategoryEntry;
};

// A picture of the help page, served by name from a bitmap resource.
struct HelpImage {
    const char16_t* name;
    int bitmapId;
};

// The order of the refresh steps of the phrase views.
enum class RefreshOrder {
    PhoneticFirst,     // phonetic, translation, toggle, toolbar
    TranslationFirst,  // translation, toolbar, phonetic, toggle
};

struct ShellEdition {
    const EditionProfile* profile;
    const char16_t* mainScreenTitle;         // title of the main screen

    std::span<const CategoryCommand> categoryCommands;
    int favoritesCommand;                    // the "Favorites" leaf of the category menu
    int normalMenu;                          // command bar of ordinary categories
    int favoritesMenu;                       // command bar of the "Favorites" category

    int translationFrameId;                  // the speaker frame of the phrase browser
    int relatedGroupBoxId;                   // "Your phrase" of the related dialog
    int relatedFrameId;                      // the speaker frame of the related dialog
    bool reportsMissingRelated;              // "Phrase #<id> not found." before the related list
    RefreshOrder refreshOrder;

    int helpDialog;
    std::span<const int> helpPageStrings;    // joined in this order
    std::span<const HelpImage> helpImages;

    // Registers every dialog, menu, toolbar, string, bitmap and icon of the program.
    void (*registerResources)();
};
