// Anchors the forms library so it exists before the first form lands.
namespace qs::ui { int ui_anchor = 0; }
