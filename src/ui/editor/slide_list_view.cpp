// What the working list asks of the editor form: the four lists following its rows, the
// preview of the selected slide, the questions and the file dialog of Add; and the
// pictures dropped on the list.
#include <algorithm>
#include <exception>
#include <mutex>
#include <string>
#include <vector>

#include "render/fit_picture.h"
#include "render/folder_pictures.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/picture.h"
#include "ui/editor/dropped_pictures.h"
#include "ui/editor/slide_show_editor.h"

namespace qs::ui {
namespace {

constexpr const char* kPictureFilter =
    "CompuServe GIF (*.gif)|*.gif|"
    "JPEF (*.jpg)|*.jpg|" // "JPEF" is the dialog's own text, typo included
    "Windows Bitmap (*.bmp)|*.bmp|All Supported Files|*.gif;*.jpg;*.bmp|All Files(*.*)|*.*";

// With every format on, the filter ends with the installed decoders' extensions; the
// entries before it stay where they are.
std::string PictureFilter(bool allFormats) {
    std::string filter = kPictureFilter;
    const std::vector<std::string>& extensions = tk::DecoderExtensions().all;
    if (!allFormats || extensions.empty()) return filter;
    filter += "|All pictures|";
    for (std::size_t i = 0; i < extensions.size(); ++i) filter += (i ? ";*" : "*") + extensions[i];
    return filter;
}

// The hourglass shows while a picture loads; the default pointer comes back whatever
// happens in between.
class BusyPointer {
public:
    BusyPointer() { tk::SetScreenPointer(tk::Pointer::Hourglass); }
    ~BusyPointer() { tk::SetScreenPointer(tk::Pointer::Default); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// A folder entry's path ends in a backslash (SlideListModel::addFolder).
bool IsFolderEntry(const std::string& path) { return !path.empty() && path.back() == '\\'; }

// "C:\Photos\Holidays\" reads "Holidays\ (folder)".
std::string FolderRowText(const std::string& path) {
    const std::string folder = path.substr(0, path.size() - 1);
    const std::size_t cut = folder.find_last_of('\\');
    return folder.substr(cut == std::string::npos ? 0 : cut + 1) + "\\ (folder)";
}

} // namespace

struct SlideShowEditor::FirstPictureSearch {
    Slide folder;
    std::mutex mutex;
    bool done = false;
    std::string first; // empty: the tree holds no picture
};

// Shortened to 0.6 of the name list's width, the part left of the option columns.
std::string SlideShowEditor::displayName(const std::string& path) const {
    // width * 3 / 5 is exact in twips where the product 0.6 * width may not be, and a
    // text exactly as wide as the limit must stay whole.
    const double limit = static_cast<double>(nameList.width()) * 3.0 / 5.0;
    const std::string text = folderEntries() && IsFolderEntry(path) ? FolderRowText(path) : path;
    return ShortenedName(text, limit, [this](const std::string& s) { return static_cast<double>(textWidth(s)); });
}

void SlideShowEditor::insertListRow(int row, const std::string& text, const Slide& slide) {
    nameList.insertRow(row, text);
    for (int k = 0; k < kSlideOptionCount; ++k) {
        tk::ListBox& column = optionLists[static_cast<std::size_t>(k)];
        column.insertRow(row, "");
        column.setChecked(row, slide.option(static_cast<SlideOption>(k)));
    }
}

void SlideShowEditor::rowsReplaced() {
    nameList.clear();
    for (tk::ListBox& column : optionLists) column.clear();
    const std::vector<Slide>& slides = model_.slides();
    if (slides.empty()) return;
    // Hidden while filling, so the four lists are not repainted row by row.
    listArea.setVisible(false);
    for (std::size_t r = 0; r < slides.size(); ++r)
        insertListRow(static_cast<int>(r), displayName(slides[r].path), slides[r]);
    listArea.setVisible(true);
}

void SlideShowEditor::rowInserted(int row) {
    const Slide& slide = model_.slides()[static_cast<std::size_t>(row)];
    insertListRow(row, displayName(slide.path), slide);
}

void SlideShowEditor::rowsInserted(int first, int count) {
    listArea.setVisible(false);
    for (int row = first; row < first + count; ++row) rowInserted(row);
    listArea.setVisible(true);
}

void SlideShowEditor::rowRemoved(int row) {
    nameList.removeRow(row);
    for (tk::ListBox& column : optionLists) column.removeRow(row);
}

// The row keeps its text. Moving down hides the list area, so the lists repaint once.
void SlideShowEditor::rowMoved(int from, int to) {
    const bool down = to > from;
    if (down) listArea.setVisible(false);
    const std::string text = nameList.rowText(from);
    rowRemoved(from);
    insertListRow(to, text, model_.slides()[static_cast<std::size_t>(to)]);
    if (down) listArea.setVisible(true);
}

void SlideShowEditor::optionChanged(int row, SlideOption which) {
    const bool on = model_.slides()[static_cast<std::size_t>(row)].option(which);
    optionLists[static_cast<std::size_t>(which)].setChecked(row, on);
}

std::string SlideShowEditor::rowText(int row) const { return nameList.rowText(row); }

void SlideShowEditor::focusSlideList() { nameList.setFocus(); }

void SlideShowEditor::showPreviewSurface(bool on) { previewPicture.setVisible(on); }

// The surface is hidden while the picture loads and fits, and shown once complete, so
// that a half-drawn preview never shows.
void SlideShowEditor::drawPreview(const Slide& slide) {
    firstSearch_.reset(); // what an earlier folder's search finds is not shown
    if (folderEntries() && IsFolderEntry(slide.path)) previewFolder(slide);
    else drawPicturePreview(slide);
}

void SlideShowEditor::drawPicturePreview(const Slide& slide) {
    previewPicture.setVisible(false);
    previewPicture.clear();
    std::string shown;
    {
        BusyPointer busy;
        // A picture that fails to load, however it fails, shows as one that cannot load.
        try {
            shown = FitPicture(previewImage, previewPicture, slide);
        } catch (const std::exception&) {
            shown.clear();
        }
        previewPicture.setVisible(true);
        if (shown.empty()) {
            previewImage.setPicture(tk::Picture());
            previewImage.setVisible(false);
            previewPicture.drawText(0, 0, "Cannot load picture");
        } else {
            previewImage.setVisible(true);
        }
    }
}

// The walk stops at the first picture, or when a newer search replaces this one; the
// preview stays blank meanwhile, so that a tree on a slow disk never holds the dialog.
void SlideShowEditor::previewFolder(const Slide& slide) {
    blankPreview();
    platform::Files* files = platform::services().files;
    if (!files) return;
    if (!firstFound_) firstFound_.emplace(*this, [this] { showFirstPicture(); });
    auto search = std::make_shared<FirstPictureSearch>();
    search->folder = slide;
    firstSearch_ = search;
    firstSearchThread_ = std::jthread([search, files, found = firstFound_->poster()](std::stop_token stop) {
        std::stop_source enough;
        const std::stop_callback follow(stop, [&enough] { enough.request_stop(); });
        std::string first;
        WalkFolderTree(search->folder.path, *files, enough.get_token(), [&](std::vector<std::string> run) {
            std::vector<std::string> pictures = PicturesAmong(std::move(run), *files, enough.get_token());
            if (pictures.empty() || enough.stop_requested()) return;
            first = pictures.front();
            enough.request_stop();
        });
        {
            const std::lock_guard lock(search->mutex);
            search->first = first;
            search->done = true;
        }
        found();
    });
}

void SlideShowEditor::showFirstPicture() {
    const std::shared_ptr<FirstPictureSearch> search = firstSearch_;
    if (!search) return;
    Slide first = search->folder;
    {
        const std::lock_guard lock(search->mutex);
        if (!search->done) return;
        first.path = search->first;
    }
    firstSearch_.reset();
    drawPicturePreview(first);
}

void SlideShowEditor::dropPreviewPicture() { previewImage.setPicture(tk::Picture()); }

void SlideShowEditor::blankPreview() {
    previewImage.setVisible(false);
    previewPicture.clear();
}

bool SlideShowEditor::ask(const std::string& question) { return tk::AskYesNo(question, kTitle, this); }

// "JPEF (*.jpg)" preselected; the name box offers the file picked last.
std::optional<std::string> SlideShowEditor::pickPicture() {
    const tk::FileChoice choice = tk::ChooseFileToOpen(
        this, {.title = "Select Picture",
               .filter = PictureFilter(settings_.options.allFormats),
               .filterIndex = 2,
               .fileName = lastPicked_});
    if (choice.failed) tk::ShowError("Error selecting a file", kTitle, this);
    if (choice.path) lastPicked_ = *choice.path;
    return choice.path;
}

std::optional<std::string> SlideShowEditor::pickFolder() {
    const tk::FileChoice choice = tk::ChooseFolder(this, "Select Folder");
    if (choice.failed) tk::ShowError("Error selecting a folder", kTitle, this);
    return choice.path;
}

// Files dropped on the name list: the pictures among them, as the platform's folders
// hold them, become slides; as entries, a folder is one slide and a file is one when it
// is a picture.
std::vector<std::string> SlideShowEditor::droppedPictures(const std::vector<std::string>& paths, bool asEntries) {
    platform::Files* files = platform::services().files;
    if (!files) return {};
    BusyPointer busy;
    // With every format on, the extensions of the decoders of other formats name pictures too.
    static const std::vector<std::string> kNone;
    const std::vector<std::string>& extensions =
        settings_.options.allFormats ? tk::DecoderExtensions().otherFormats : kNone;
    if (!asEntries) return DroppedPictures(paths, *files, extensions);
    std::vector<std::string> entries;
    for (const std::string& path : paths) {
        if (files->Kind(path) == platform::PathKind::Folder)
            entries.push_back(IsFolderEntry(path) ? path : path + '\\');
        else if (IsPictureFile(path, *files, extensions))
            entries.push_back(path);
    }
    std::sort(entries.begin(), entries.end(), NaturalNameLess);
    return entries;
}

std::vector<Slide> SlideShowEditor::storedSlides() { return settings_.slides; }

} // namespace qs::ui
