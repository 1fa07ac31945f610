// The system's dialogs: message boxes, the colour chooser and the file-open dialog, each
// over its owner form (null: the active window of the program).
#pragma once

#include <optional>
#include <string>

#include "toolkit/types.h"

namespace qs::tk {

class Form;

enum class MessageKind {
    Question, // Yes and No, the question icon, Yes the default
    Error,    // OK and the exclamation icon
    Notice,   // OK alone, no icon
};

// True when the user answered Yes; a box that could not be shown counts as No.
bool AskYesNo(const std::string& question, const std::string& title, Form* owner);
void ShowError(const std::string& message, const std::string& title, Form* owner);
void ShowNotice(const std::string& message, const std::string& title, Form* owner);

// The chosen colour; nothing when the user cancelled or the dialog failed. It opens on
// the system's choice, with the custom colours the user made earlier in the run.
std::optional<Color> ChooseColor(Form* owner);

// What the file-open dialog shows: one file to choose, no read-only box.
struct OpenFileRequest {
    std::string title;
    // Pairs of description and pattern, all separated by "|": "Pictures|*.jpg|All|*.*".
    std::string filter;
    int filterIndex = 1; // counted from 1
    std::string fileName; // offered in the name box
};

struct FileChoice {
    std::optional<std::string> path; // the chosen file's full path
    bool failed = false;             // the dialog itself failed (a cancel is no failure)
};

FileChoice ChooseFileToOpen(Form* owner, const OpenFileRequest& request);
// The system's folder picker: the chosen folder's full path.
FileChoice ChooseFolder(Form* owner, const std::string& title);

} // namespace qs::tk
