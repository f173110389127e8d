// The settings pages that know the speaker document (the frequency limits and the four
// view borders): the sheet hands it to them when it is built.
#pragma once

#include "shell/dialogs/SettingsPage.h"

class CMorvaneDoc;

class CDocumentPage : public CSettingsPage
{
public:
    using CSettingsPage::CSettingsPage;

    // False, after a failed check, for a null document.
    bool SetDocument(CMorvaneDoc* pDoc);
    CMorvaneDoc* GetDocument() const { return m_pDoc; }

private:
    CMorvaneDoc* m_pDoc = nullptr;
};
