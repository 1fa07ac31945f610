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
#include "render/slide_preparer.h"
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

struct SlideShowEditor::PreviewAside {
    Slide slide; // as listed: a folder entry's own path
    std::mutex mutex;
    bool done = false;
    std::optional<tk::Picture> picture; // none: nothing to show
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
    previewAside_.reset(); // what an earlier preview made aside finds is not shown
    if (folderEntries() && IsFolderEntry(slide.path)) previewAside(slide, true);
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
    }
    // The five formats load here; any other is asked of the system's decoders aside.
    if (shown.empty() && settings_.options.allFormats && !slide.path.empty()) return previewAside(slide, false);
    finishPreview(!shown.empty());
}

void SlideShowEditor::finishPreview(bool loaded) {
    previewPicture.setVisible(true);
    if (loaded) {
        previewImage.setVisible(true);
        return;
    }
    previewImage.setPicture(tk::Picture());
    previewImage.setVisible(false);
    previewPicture.drawText(0, 0, "Cannot load picture");
}

// A folder's walk stops at its first picture, or when a newer preview replaces this one, so
// that a tree on a slow disk never holds the dialog.
void SlideShowEditor::previewAside(const Slide& slide, bool folder) {
    blankPreview();
    platform::Files* files = platform::services().files;
    if (folder && !files) return;
    if (!previewMade_) previewMade_.emplace(*this, [this] { showPreviewMadeAside(); });
    auto aside = std::make_shared<PreviewAside>();
    aside->slide = slide;
    previewAside_ = aside;
    // The preview has no caption: only the picture is asked for.
    const PrepareRequest request = RequestFor(slide, previewPicture, {.allFormats = settings_.options.allFormats});
    std::vector<std::string> extensions;
    if (request.allFormats) extensions = tk::DecoderExtensions().otherFormats;
    tk::Backend& backend = tk::CurrentBackend();
    previewThread_ = std::jthread([aside, files, folder, request, extensions, &backend,
                                   made = previewMade_->poster()](std::stop_token stop) {
        const std::unique_ptr<tk::WorkerThreadScope> system = backend.enterWorkerThread();
        std::optional<tk::Picture> picture;
        // The thread's one boundary: whatever fails here leaves a preview that cannot load.
        try {
            PrepareRequest order = request;
            if (folder) order.slide.path = FirstPictureIn(request.slide.path, *files, stop, extensions);
            if (!order.slide.path.empty() && !stop.stop_requested())
                picture = backend.preparePicture({order.slide.path, order.surface.twipsPerPixelX,
                                                  order.surface.twipsPerPixelY,
                                                  [&order](const tk::Picture& p) { return PlaceOf(p, order); }, stop,
                                                  order.allFormats});
        } catch (...) {
            picture.reset();
        }
        {
            const std::lock_guard lock(aside->mutex);
            aside->picture = std::move(picture);
            aside->done = true;
        }
        made();
    });
}

void SlideShowEditor::showPreviewMadeAside() {
    const std::shared_ptr<PreviewAside> aside = previewAside_;
    if (!aside) return;
    std::optional<tk::Picture> picture;
    {
        const std::lock_guard lock(aside->mutex);
        if (!aside->done) return;
        picture = std::move(aside->picture);
    }
    previewAside_.reset();
    previewPicture.setVisible(false);
    previewPicture.clear();
    if (picture) FitLoadedPicture(previewImage, previewPicture, *picture, aside->slide);
    finishPreview(picture.has_value());
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
