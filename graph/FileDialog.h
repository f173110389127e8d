// The program's file dialogs: asked through the file-dialog service, starting in the
// working directory; a confirmed dialog makes the chosen file's folder the working
// directory. Tests answer with a path, the application asks the user.
#pragma once

#include <string>

struct CFileDialogTexts
{
    std::string defaultExtension;
    std::string filter;
};

// An empty path asks for one (the save or open dialog, initial name as given) and fills
// it in with the chosen full path; a path already given is used as it is. False when
// the user cancels; path and working directory are then unchanged.
bool AskFilePath(bool save, const CFileDialogTexts& texts, std::string& path,
                 const std::string& initialName = {});
