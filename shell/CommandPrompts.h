// What the program says about each of its commands: the prompt that the status bar shows
// while the pointer rests on the command's menu item or toolbar button, and the tooltip
// beside the button. One table for every command of the menus and the toolbar; a command
// added to the main window gets its row here.
#pragma once

struct CCommandPrompt
{
    int id;
    const char* prompt;  // a short sentence for the status bar
    const char* tooltip; // a few words
};

// The row of the command; null for a command without one.
const CCommandPrompt* FindCommandPrompt(int id);
// Every row, for tests.
const CCommandPrompt* CommandPromptsBegin();
const CCommandPrompt* CommandPromptsEnd();
