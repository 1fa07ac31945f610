// SlideShowEditor: the slide-show editor, a modal dialog over the settings dialog.
//
// It is a view of SlideListModel, which holds the working list and decides what every
// click, key and command does. The four list boxes show the model's rows: nameList the
// shortened paths, optionLists(0..2) the Center, HStretch and VStretch checks, each
// column clipped to its check boxes beside the names. It opens on the slides and the two
// options of the settings its owner gives it, and hands its results back to the owner:
// the list at Apply and OK, the two options at once. Files and folders dropped on
// nameList add the pictures among them.
//
// The form in slide_show_editor.cpp; what the model asks of it (rows, preview,
// questions, the file dialog) in slide_list_view.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "ui/editor/slide_list_model.h"
#include "ui/editor/slide_show_editor_owner.h"
#include "ui/unconfirmed_changes.h"

namespace qs::ui {

class SlideShowEditor : public tk::Form, private SlideListView {
public:
    // settings: the owner's, whose slides are the ones last applied (Reset goes back to
    // them) and whose options and background colour the editor opens with. changes: the
    // owner's record of unconfirmed changes, which the editor marks. All three outlive it.
    SlideShowEditor(const Settings& settings, SlideShowEditorOwner& owner, UnconfirmedChanges& changes);
    ~SlideShowEditor() override;

    // --- controls, in the order they are laid on the dialog ---
    tk::PictureBox listArea;
    tk::Label nameHeading;
    tk::Label positionLabel;
    // Each heading is a row of pieces, so that its access letter alone is underlined.
    tk::ControlArray<tk::Label> centerHeading;
    tk::ControlArray<tk::Label> hStretchHeading;
    tk::ControlArray<tk::Label> vStretchHeading;
    tk::ListBox nameList;
    // Covers the name list's own check boxes, which mean nothing.
    tk::PictureBox nameCheckCover;
    // optionClips(k) shows only the check boxes of optionLists(k).
    tk::ControlArray<tk::PictureBox> optionClips;
    tk::ControlArray<tk::ListBox> optionLists;
    tk::Label fullNameLabel;
    tk::CommandButton addButton;
    tk::CommandButton deleteButton;
    tk::CommandButton upButton;
    tk::CommandButton downButton;
    tk::CommandButton deleteAllButton;
    tk::Image monitorImage;
    tk::PictureBox previewPicture;
    tk::Image previewImage;
    tk::CheckBox previewBox;
    tk::CheckBox hideWarningsBox;
    tk::CommandButton okButton;
    tk::CommandButton cancelButton;
    tk::CommandButton applyButton;
    tk::CommandButton resetButton;
    tk::CommonDialog pictureDialog;

    static constexpr const char* kCaption = "Edit Slide Show";
    static constexpr const char* kTitle = "Screen Saver";

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, tk::CloseReason reason) override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;

private:
    void layOutHeadings();
    void fitOptionColumns();
    void bindHandlers();
    void applyList();
    std::vector<std::string> droppedPictures(const std::vector<std::string>& paths);
    // Runs a model operation, then shows what the model holds.
    template <class Operation>
    void act(Operation operation);
    void showModel();
    std::string displayName(const std::string& path) const;
    void insertListRow(int row, const std::string& text, const Slide& slide);

    // --- SlideListView (slide_list_view.cpp) ---
    void rowsReplaced() override;
    void rowInserted(int row) override;
    void rowsInserted(int first, int count) override;
    void rowRemoved(int row) override;
    void rowMoved(int from, int to) override;
    void optionChanged(int row, SlideOption which) override;
    std::string rowText(int row) const override;
    void focusSlideList() override;
    void showPreviewSurface(bool on) override;
    void drawPreview(const Slide& slide) override;
    void dropPreviewPicture() override;
    void blankPreview() override;
    bool ask(const std::string& question) override;
    std::optional<std::string> pickPicture() override;
    std::vector<Slide> storedSlides() override;

    SlideListModel model_;
    const Settings& settings_;
    SlideShowEditorOwner& owner_;
    UnconfirmedChanges& changes_;
};

} // namespace qs::ui
