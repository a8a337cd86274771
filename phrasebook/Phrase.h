#pragma once
// CPhrase: one phrase record, used for both lists of the book. In the source list
// `name` is the English text (a template phrase's text holds the markers $W1, $W2, ...);
// in the translation list it is the target-language text. A source phrase and its
// translation share `id`.
//
// A template phrase (`atomic` false) has no translation of its own: the current values
// of its rule's wildcards select a map, whose `pid` names the concrete phrase.

#include "baselib/SimpleArray.h"
#include "baselib/String.h"
#include "phrasebook/Map.h"
#include "phrasebook/OwningList.h"
#include "phrasebook/Rule.h"

class CPhraseBook;

class CPhrase
{
public:
    CPhrase();
    virtual ~CPhrase();
    CPhrase(const CPhrase&) = default;
    CPhrase& operator=(const CPhrase&) = default;

    bool HasTips() const { return tips.GetCount() > 0; }
    bool HasRelated() const { return related.GetCount() > 0; }

    // The text of the first tip when book has a tip with that id, else the empty
    // text. Later tip ids are never consulted. The form without a book asks the
    // program's book (GetPhraseBook).
    String GetTipText(const CPhraseBook& book) const;
    String GetTipText() const;

    int GetRelatedCount() const { return (int)related.GetCount(); }
    int GetRelatedAt(int index) const;
    int GetClipCount() const { return (int)clips.GetCount(); }
    int GetClipAt(int index) const;
    int GetTipCount() const { return (int)tips.GetCount(); }
    int GetTipAt(int index) const;

    // Template operations.
    // The text as listed: the name itself for an atomic phrase; for a template, every
    // marker "$W<n>" (n the whole run of digits) that has a wildcard is replaced by
    // "[", that wildcard's current value and "]". Other markers stay as they are.
    String GetDisplayText() const;
    // The pid of the first map whose values equal the current values (exact,
    // case-sensitive) and whose wildcard count equals the rule's; -1 when none
    // matches or the phrase is atomic.
    int GetConcreteId() const;
    // The source phrase of book with id GetConcreteId(), or nullptr when that id is
    // negative or not found. The form without a book asks the program's book.
    CPhrase* GetConcretePhrase(const CPhraseBook& book) const;
    CPhrase* GetConcretePhrase() const;
    // The rule's wildcards (none for an atomic phrase).
    int GetWildCardCount() const;
    CWildCard* GetWildCardAt(int index) const;

    // <phrase id="5" name="Hello" cat_id="17" atomic="true"  related="1,2"/>
    String ToString() const;

    // Reads the record's fields in file order, replacing the lists, the rule and the
    // maps. Returns 0 when the data is damaged.
    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    int id;
    int cat_id;
    int aux_value;
    String name;
    bool atomic;
    bool aux_flag;
    bool visible;
    Ostrel::CSimpleArray<int> tips;
    Ostrel::CSimpleArray<int> clips;
    Ostrel::CSimpleArray<int> related;
    CRule rule;
    COwningList<CMap> maps;
};
