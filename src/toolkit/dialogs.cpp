#include "toolkit/dialogs.h"

#include "toolkit/application.h"

namespace qs::tk {

bool AskYesNo(const std::string& question, const std::string& title, Form* owner) {
    return CurrentBackend().messageBox(question, title, MessageKind::Question, owner);
}

void ShowError(const std::string& message, const std::string& title, Form* owner) {
    CurrentBackend().messageBox(message, title, MessageKind::Error, owner);
}

void ShowNotice(const std::string& message, const std::string& title, Form* owner) {
    CurrentBackend().messageBox(message, title, MessageKind::Notice, owner);
}

FileChoice ChooseFolder(Form* owner, const std::string& title) {
    return CurrentBackend().chooseFolder(owner, title);
}

std::optional<Color> ChooseColor(Form* owner) { return CurrentBackend().chooseColor(owner); }

FileChoice ChooseFileToOpen(Form* owner, const OpenFileRequest& request) {
    return CurrentBackend().chooseFileToOpen(owner, request);
}

} // namespace qs::tk
