#include "drc/QZX2410_DRC_Doc.h"

#include "drc/QZX2410_DRC_Manager.h"

std::string CQZX2410_DRC_Doc::BaseName() const
{
    return m_DesignBaseName ? m_DesignBaseName() : std::string();
}

bool CQZX2410_DRC_Doc::OnFileSaveAsDR241X()
{
    return m_pManager && m_pManager->SaveAsDR241X(BaseName());
}

bool CQZX2410_DRC_Doc::OnFileSaveAsDRC606X()
{
    return m_pManager && m_pManager->SaveAsDRC606X(BaseName());
}

std::optional<CCommandState> CQZX2410_DRC_Doc::GetCommandState(int id)
{
    if (id != ID_FILE_SAVE_AS_DR241X && id != ID_FILE_SAVE_AS_DRC606X)
        return std::nullopt;
    return CCommandState{m_pManager != nullptr, false};
}

void CQZX2410_DRC_Doc::OnCommand(int id)
{
    if (id == ID_FILE_SAVE_AS_DR241X)
        OnFileSaveAsDR241X();
    else if (id == ID_FILE_SAVE_AS_DRC606X)
        OnFileSaveAsDRC606X();
}
