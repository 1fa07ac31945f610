// What the working list asks of the editor form: the four lists following its rows, the
// preview of the selected slide, the questions and the file dialog of Add; and the
// pictures dropped on the list.
#include <exception>
#include <string>

#include "render/fit_picture.h"
#include "toolkit/application.h"
#include "ui/editor/dropped_pictures.h"
#include "ui/editor/slide_show_editor.h"

namespace qs::ui {
namespace {

constexpr const char* kPictureFilter =
    "CompuServe GIF (*.gif)|*.gif|"
    "JPEF (*.jpg)|*.jpg|" // "JPEF" is the dialog's own text, typo included
    "Windows Bitmap (*.bmp)|*.bmp|All Supported Files|*.gif;*.jpg;*.bmp|All Files(*.*)|*.*";
// OFN_EXPLORER | OFN_HIDEREADONLY: one file per Add, no read-only box.
constexpr std::int32_t kOpenFlags = 0x80004;

// The hourglass shows while a picture loads; the default pointer comes back whatever
// happens in between.
class BusyPointer {
public:
    BusyPointer() { tk::Screen::setMousePointer(tk::vbHourglass); }
    ~BusyPointer() { tk::Screen::setMousePointer(tk::vbDefault); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

// Shortened to 0.6 of the name list's width, the part left of the option columns.
std::string SlideShowEditor::displayName(const std::string& path) const {
    // Width * 3 / 5 is exact in twips where the product 0.6 * Width may not be, and a
    // text exactly as wide as the limit must stay whole.
    const double limit = static_cast<double>(nameList.Width()) * 3.0 / 5.0;
    return ShortenedName(path, limit, [this](const std::string& s) { return static_cast<double>(TextWidth(s)); });
}

void SlideShowEditor::insertListRow(int row, const std::string& text, const Slide& slide) {
    nameList.AddItem(text, row);
    for (int k = 0; k < kSlideOptionCount; ++k) {
        optionLists(k).AddItem("", row);
        optionLists(k).setSelected(row, slide.option(static_cast<SlideOption>(k)));
    }
}

void SlideShowEditor::rowsReplaced() {
    nameList.Clear();
    for (int k = 0; k < kSlideOptionCount; ++k) optionLists(k).Clear();
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
    nameList.RemoveItem(row);
    for (int k = 0; k < kSlideOptionCount; ++k) optionLists(k).RemoveItem(row);
}

// The row keeps its text. Moving down hides the list area, so the lists repaint once.
void SlideShowEditor::rowMoved(int from, int to) {
    const bool down = to > from;
    if (down) listArea.setVisible(false);
    const std::string text = nameList.List(from);
    rowRemoved(from);
    insertListRow(to, text, model_.slides()[static_cast<std::size_t>(to)]);
    if (down) listArea.setVisible(true);
}

void SlideShowEditor::optionChanged(int row, SlideOption which) {
    optionLists(static_cast<int>(which)).setSelected(row, model_.slides()[static_cast<std::size_t>(row)].option(which));
}

std::string SlideShowEditor::rowText(int row) const { return nameList.List(row); }

void SlideShowEditor::focusSlideList() { nameList.SetFocus(); }

void SlideShowEditor::showPreviewSurface(bool on) { previewPicture.setVisible(on); }

// The surface is hidden while the picture loads and fits, and shown once complete, so
// that a half-drawn preview never shows.
void SlideShowEditor::drawPreview(const Slide& slide) {
    previewPicture.setVisible(false);
    previewPicture.Cls();
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
            previewPicture.Print("Cannot load picture");
        } else {
            previewImage.setVisible(true);
        }
    }
}

void SlideShowEditor::dropPreviewPicture() { previewImage.setPicture(tk::Picture()); }

void SlideShowEditor::blankPreview() {
    previewImage.setVisible(false);
    previewPicture.Cls();
}

bool SlideShowEditor::ask(const std::string& question) {
    return tk::MsgBox(question, tk::vbYesNo + tk::vbQuestion, kTitle, this) == tk::vbYes;
}

std::optional<std::string> SlideShowEditor::pickPicture() {
    pictureDialog.DialogTitle = "Select Picture";
    pictureDialog.Flags = kOpenFlags;
    pictureDialog.Filter = kPictureFilter;
    pictureDialog.FilterIndex = 2;
    pictureDialog.CancelError = true;
    const int error = pictureDialog.ShowOpen();
    if (error == tk::cdlCancel) return std::nullopt;
    if (error != 0) {
        tk::MsgBox("Error selecting a file", tk::vbOKOnly + tk::vbExclamation, kTitle, this);
        return std::nullopt;
    }
    return pictureDialog.FileName;
}

// Files dropped on the name list: the pictures among them, as the platform's folders
// hold them, become slides.
std::vector<std::string> SlideShowEditor::droppedPictures(const std::vector<std::string>& paths) {
    platform::Files* files = platform::services().files;
    if (!files) return {};
    BusyPointer busy;
    return DroppedPictures(paths, *files);
}

std::vector<Slide> SlideShowEditor::storedSlides() { return settings_.slides; }

} // namespace qs::ui
