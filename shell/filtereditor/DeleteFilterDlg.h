// Confirm Filter Deletion: "Delete Filter <name>?" with OK and Cancel.
#pragma once

#include "shell/filtereditor/ConfirmDeletionDlg.h"

class CDeleteFilterDlg : public CConfirmDeletionDlg
{
public:
    explicit CDeleteFilterDlg(const std::string& name, QWidget* parent = nullptr)
        : CConfirmDeletionDlg("Confirm Filter Deletion", "Delete Filter " + name + "?", parent)
    {
    }
};
