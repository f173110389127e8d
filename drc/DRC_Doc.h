// The document of the QZX2202 compression design. It holds no data of its own: it writes
// the ".drc" register file of the application's compression settings (File > Save As DRC
// File). It lives while its design window is open; the settings outlive it.
#pragma once

#include "framework/core/CommandTarget.h"

#include <functional>
#include <string>

class CDRC_Manager;

class CDRC_Doc : public ICommandTarget
{
public:
    static constexpr int ID_FILE_SAVE_AS_DRC = 32916;

    explicit CDRC_Doc(CDRC_Manager& manager) : m_pManager(&manager) {}
    ~CDRC_Doc() override { m_pManager = nullptr; }

    // Asks for a ".drc" file and writes the seven register lines; a file that cannot be
    // written is reported, naming it.
    bool OnFileSaveAsDrc();

    // The design's name without extension that the save dialog offers (the speaker
    // design's, empty for none); none when not set.
    std::function<std::string()> m_DesignBaseName;

    std::optional<CCommandState> GetCommandState(int id) override;
    void OnCommand(int id) override;

    CDRC_Manager* m_pManager;
};
