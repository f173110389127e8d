#include "drc/DRC_Doc.h"

#include "drc/DRC_Manager.h"

bool CDRC_Doc::OnFileSaveAsDrc()
{
    return m_pManager && m_pManager->SaveAsDrcFile(m_DesignBaseName ? m_DesignBaseName() : "");
}

std::optional<CCommandState> CDRC_Doc::GetCommandState(int id)
{
    if (id != ID_FILE_SAVE_AS_DRC)
        return std::nullopt;
    return CCommandState{m_pManager != nullptr, false};
}

void CDRC_Doc::OnCommand(int id)
{
    if (id == ID_FILE_SAVE_AS_DRC)
        OnFileSaveAsDrc();
}
