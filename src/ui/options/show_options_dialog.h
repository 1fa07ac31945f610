// ShowOptionsDialog: the "Show Options" dialog, opened modally from the settings dialog.
// One check box per option of ShowOptions, each with a grey line saying what it does,
// made and laid out from one table (kShowOptionRows, show_options_dialog.cpp): a new
// option is a row there, and the dialog grows with the rows. A row may also hold a length
// (the fade's), shown beside its box with arrows that change it by half a second. It edits
// a copy of the settings dialog's options; OK hands the copy back, every other close drops it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "settings/show_options.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::ui {

class ShowOptionsDialog : public tk::Form {
public:
    // randomOrder: whether the settings dialog's "Random order" is ticked; an option that
    // works only in random order is disabled without it, and keeps its value.
    ShowOptionsDialog(const ShowOptions& options, bool randomOrder);
    ~ShowOptionsDialog() override;

    // The options as OK left them; nothing after Cancel or any other close.
    const std::optional<ShowOptions>& chosen() const { return chosen_; }

    static constexpr const char* kCaption = "Show Options";

    // --- controls: per row of the table its box and its note, then the buttons ---
    std::vector<std::unique_ptr<tk::CheckBox>> optionBoxes;
    std::vector<std::unique_ptr<tk::Label>> noteLabels; // a row without a note has none
    // The row with a length: the length, and its arrows (the top one lengthens). Enabled
    // while the row's box is ticked.
    std::unique_ptr<tk::Label> lengthLabel;
    std::unique_ptr<tk::ScrollBar> lengthSpin;
    tk::Button okButton;
    tk::Button cancelButton;

protected:
    void onLoad() override;

private:
    void bindHandlers();
    // --- handlers ---
    void takeAndClose();
    void followLengthSpin();
    void enableLength();

    ShowOptions options_;
    int lengthRow_ = -1; // none
    std::int32_t lengthMs_ = 0; // as shown; changed only by the arrows
    bool randomOrder_;
    std::optional<ShowOptions> chosen_;
};

} // namespace qs::ui
