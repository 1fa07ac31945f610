// SlideShowEditor: the slide-show editor, a modal dialog over the settings dialog.
//
// It is a view of SlideListModel, which holds the working list and decides what every
// click, key and command does. The four list boxes show the model's rows: nameList the
// shortened paths, optionLists[0..2] the Center, HStretch and VStretch checks, each
// column clipped to its check boxes beside the names. It opens on the slides and the two
// options of the settings its owner gives it, and hands its results back to the owner:
// the list at Apply and OK, the two options at once. Files and folders dropped on
// nameList add the pictures among them. With the show's folder entries on (the owner's
// options as it opens), Add Folder adds a folder as one entry, as does a drop with Shift
// held; such a row reads "Name\ (folder)".
//
// The form and its handlers in slide_show_editor.cpp; what the model asks of it (rows,
// preview, questions, the file dialog) in slide_list_view.cpp.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <thread>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/window_notice.h"
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
    tk::ListBox nameList;
    // Covers the name list's own check boxes, which mean nothing.
    tk::PictureBox nameCheckCover;
    tk::Label fullNameLabel;
    tk::Button addButton;
    tk::Button deleteButton;
    tk::Button upButton;
    tk::Button downButton;
    // Only while the show's folder entries are on.
    tk::Button addFolderButton;
    tk::Button deleteAllButton;
    tk::Image monitorImage;
    tk::PictureBox previewPicture;
    tk::Image previewImage;
    tk::CheckBox previewBox;
    tk::CheckBox hideWarningsBox;
    tk::Button okButton;
    tk::Button cancelButton;
    tk::Button applyButton;
    tk::Button resetButton;
    // Made last, so that they lie above the name list's right part. Each heading is a row
    // of pieces, so that its access letter alone is underlined.
    std::array<tk::Label, 3> centerHeading;
    std::array<tk::Label, 3> hStretchHeading;
    std::array<tk::Label, 3> vStretchHeading;
    // optionClips[k] shows only the check boxes of optionLists[k].
    std::array<tk::PictureBox, kSlideOptionCount> optionClips;
    std::array<tk::ListBox, kSlideOptionCount> optionLists;

    static constexpr const char* kCaption = "Edit Slide Show";
    static constexpr const char* kTitle = "Screen Saver";

protected:
    void onLoad() override;
    // Whether the working list may be thrown away; the two options go back to their last
    // applied values.
    bool onClosing(tk::CloseReason reason) override;
    // Every key, before the focused control: the model's Alt keys. The key goes on
    // afterwards, unchanged.
    void onKeyDown(tk::Key key, tk::KeyModifiers modifiers) override;

private:
    void layOutHeadings();
    void fitOptionColumns();
    void bindHandlers();
    // --- handlers ---
    // Runs one of the model's commands, then shows what the model holds.
    void runCommand(void (SlideListModel::*command)());
    void selectSlide();
    void followNameListScroll();
    void clickOption(int column);
    void focusNameList();
    void takePreviewOption();
    void takeHideWarningsOption();
    void addDroppedFiles(const std::vector<std::string>& paths, tk::KeyModifiers held);
    // The pictures among files and folders dropped on the name list; with `asEntries`, a
    // folder is one entry.
    std::vector<std::string> droppedPictures(const std::vector<std::string>& paths, bool asEntries);
    // A preview made on a thread of its own: a folder row's first picture, or a picture only
    // the system's other decoders read (every format on); the preview is blank meanwhile.
    void previewAside(const Slide& slide, bool folder);
    void showPreviewMadeAside();
    void drawPicturePreview(const Slide& slide);
    // Shows the preview surface with the picture element placed, or the text of a picture
    // that cannot load.
    void finishPreview(bool loaded);
    bool folderEntries() const { return settings_.options.folderEntries; }
    void applyList();
    void applyAndClose();

    // The lists, labels, buttons and boxes as the model holds them.
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
    std::optional<std::string> pickFolder() override;
    std::vector<Slide> storedSlides() override;

    SlideListModel model_;
    const Settings& settings_;
    SlideShowEditorOwner& owner_;
    UnconfirmedChanges& changes_;
    // The file the open dialog offers: the one last picked.
    std::string lastPicked_;
    // The preview made aside: the newest one, its notice and thread.
    struct PreviewAside;
    std::shared_ptr<PreviewAside> previewAside_;
    std::optional<tk::WindowNotice> previewMade_;
    std::jthread previewThread_; // last: stopped and joined before the rest goes
};

} // namespace qs::ui
