#include "toolkit/application.h"
#include "toolkit/controls.h"

namespace qs::tk {

CommonDialog::CommonDialog(Form& form, std::string name)
    : Component(Kind::CommonDialog, &form, &form, std::move(name), -1) {}

int CommonDialog::ShowColor() { return backend().showColorDialog(*this); }

int CommonDialog::ShowOpen() { return backend().showOpenDialog(*this); }

} // namespace qs::tk
