// The document of the QZX2410/QZX6060 compression design. It holds no data of its own: its
// two File commands write the application's compression curve as the QZX241X ".DR241X" or
// the QZX606X ".DRC606X" device file. It lives while its design window is open.
#pragma once

#include "framework/core/CommandTarget.h"

#include <functional>
#include <string>

class CQZX2410_DRC_Manager;

class CQZX2410_DRC_Doc : public ICommandTarget
{
public:
    static constexpr int ID_FILE_SAVE_AS_DR241X = 32930;
    static constexpr int ID_FILE_SAVE_AS_DRC606X = 32951;

    explicit CQZX2410_DRC_Doc(CQZX2410_DRC_Manager& manager) : m_pManager(&manager) {}
    ~CQZX2410_DRC_Doc() override { m_pManager = nullptr; }

    // Ask for a file and write the words; a file that cannot be written is reported,
    // naming it.
    bool OnFileSaveAsDR241X();
    bool OnFileSaveAsDRC606X();

    // The design's name without extension that the save dialogs offer (the speaker
    // design's, empty for none); none when not set.
    std::function<std::string()> m_DesignBaseName;

    std::optional<CCommandState> GetCommandState(int id) override;
    void OnCommand(int id) override;

    CQZX2410_DRC_Manager* m_pManager;

private:
    std::string BaseName() const;
};
