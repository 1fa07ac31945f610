// EditSlideShow: the slide-show editor, a modal dialog over the settings dialog.
//
// The slide list is edited on a working copy held in four parallel list boxes
// (FileNameList with the display names, CheckList(0..2) with the Center, HStretch and
// VStretch options) and the slot pool FullNames with the full paths. Apply and OK copy
// it into AppSettings; Reset and Cancel throw it away. The two option boxes write
// their settings at once, and a discarding close puts them back.
//
// The handlers are split by concern: the form and its layout (edit_slide_show.cpp),
// loading and applying the working list (working_list.cpp), selection, options and
// preview (selection.cpp), the list commands (list_commands.cpp), and the keyboard and
// preview option (keyboard_preview.cpp).
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "ui/editor/full_name_pool.h"

namespace qs::ui {

class EditSlideShow : public tk::Form {
public:
    // pictureCountLabel: the settings dialog's picNoLbl, rewritten when the editor
    // closes; may be null when the editor runs on its own (tests, tools).
    explicit EditSlideShow(tk::Label* pictureCountLabel = nullptr);
    ~EditSlideShow() override;

    // --- controls, in the order they are laid on the dialog ---
    tk::PictureBox bgPic;
    tk::Label Label1;
    tk::Label countLbl;
    tk::ControlArray<tk::Label> CenterLbl;
    tk::ControlArray<tk::Label> HorizontalLbl;
    tk::ControlArray<tk::Label> VerticalLbl;
    tk::ListBox FileNameList;
    tk::PictureBox BackPic2;
    tk::ControlArray<tk::PictureBox> BackPic;
    tk::ControlArray<tk::ListBox> CheckList;
    tk::Label fullNameLbl;
    tk::ControlArray<tk::CommandButton> UpDownAddDel;
    tk::Image Image1;
    tk::PictureBox previewPicture;
    tk::Image previewImage;
    tk::CheckBox chkPreview;
    tk::CheckBox WarningChk;
    tk::CommandButton cmdOK;
    tk::CommandButton cmdCancel;
    tk::CommandButton ApplyCmd;
    tk::CommandButton resetBtn;
    tk::CommonDialog CD1;

    // --- the working list ---
    FullNamePool FullNames;
    std::int32_t EntryCount = 0;
    bool ListBusy = false;
    bool ForceRefresh = false;
    bool SavedPreviewFlag = false;
    bool SavedDisplayWarnings = false;

    // --- working list, Apply, OK, Cancel, Reset (working_list.cpp) ---
    void LoadList();
    std::string TruncateName(const std::string& name);
    void ApplyCmd_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void resetBtn_Click();
    void WarningChk_Click();
    void CheckList_GotFocus(std::int16_t Index);

    // --- selection, options, preview (selection.cpp) ---
    void FileNameList_Click();
    void CheckList_Click(std::int16_t Index);
    void FileNameList_Scroll();

    // --- list commands (list_commands.cpp) ---
    void UpDownAddDel_Click(std::int16_t Index);

    // --- keyboard and preview option (keyboard_preview.cpp) ---
    void chkPreview_Click();

    // The texts the editor shows, for the settings dialog's own tests and tools.
    static constexpr const char* kCaption = "Edit Slide Show";
    static constexpr const char* kTitle = "Screen Saver";

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) override;
    void Form_Unload(std::int16_t& Cancel) override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;

private:
    void layOutHeadings();
    void fitOptionColumns();
    void bindHandlers();
    // SettingsChanged and the Apply button move together while the editor is open.
    void markChanged();
    void markApplied();
    // The picture count text the settings dialog shows after the editor closed.
    std::string pictureCountText() const;
    // "(row/EntryCount)" for the selected row, 0 when none is selected.
    std::string positionText() const;
    // Loads and fits the slide into the preview, showing the surface only complete.
    void redrawPreview(const std::string& path, int row);
    // The five list commands; each runs after the common entry and before the common end.
    bool addSlide(int cur);
    bool deleteSlide(int cur);
    bool moveUp(int cur);
    bool moveDown(int cur);
    bool deleteAll(int cur);
    // Inserts one slide row into the four lists; the order of the steps is the command's.
    void insertMovedRow(int at, const std::string& text, std::int32_t slot, const bool options[3]);
    void removeRow(int row);
    bool confirm(const std::string& question);

    tk::Label* pictureCountLabel_;
};

} // namespace qs::ui
