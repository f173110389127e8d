// How a command shows in the main window: its texts, and the menus that hold it.
#pragma once

#include <string>
#include <vector>

// The menu text, toolbar label and prompt (status bar and tooltip) of a command.
struct CCommandText
{
    int id;
    const char* text;   // menu item
    const char* button; // toolbar button, or null
    const char* prompt; // status-bar prompt and tooltip of a command that has no row in
                        // the prompt table (shell/CommandPrompts.cpp), or null
};

// A menu of a menu set: its title and command ids, 0 standing for a separator.
struct CMenuLayout
{
    std::string title;
    std::vector<int> ids;
};
