// A probe form for the toolkit's own tests on both backends: one control of each kind whose
// handlers log "<control>_<event>" (the form's own "Form_<event>"), and hooks that let a test act
// inside a handler (cancel, unload again, move the focus).
#pragma once

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/controls.h"

namespace qs::test {

using Log = std::vector<std::string>;

class ControlsForm : public tk::Form {
public:
    ControlsForm() : Form("ControlsForm") {
        const auto logged = [this](const tk::Component& c, const char* event) {
            return [this, &c, event] { log.push_back(c.Name() + "_" + event); };
        };
        const std::tuple<std::function<void()>*, const tk::Component*, const char*> handlers[] = {
            {&chk.Click, &chk, "Click"},   {&txt.Change, &txt, "Change"},       {&bar.Change, &bar, "Change"},
            {&list.Click, &list, "Click"}, {&list.Scroll, &list, "Scroll"},     {&checks.Click, &checks, "Click"},
            {&ok.Click, &ok, "Click"},     {&cancel.Click, &cancel, "Click"}};
        for (const auto& [handler, c, event] : handlers) *handler = logged(*c, event);
        for (tk::Control* c : std::vector<tk::Control*>{&chk, &txt, &bar, &list, &checks, &ok, &cancel}) {
            c->GotFocus = logged(*c, "GotFocus");
            c->LostFocus = logged(*c, "LostFocus");
        }
        ok.setDefault(true);
        cancel.setCancel(true);
    }

    Log log;
    bool cancelQuery = false, cancelUnload = false;
    std::vector<tk::CloseReason> reasons;
    std::function<void()> onQueryUnload, onUnload, onKeyDown;
    std::int16_t consumeKey = -1; // Form_KeyDown sets the key code to 0 for this key

    tk::Frame frame{*this, "optionsFrame", "&Options", 120, 120, 3000, 2000};
    tk::CheckBox chk{frame, "randomBox", "&Random order", 120, 240, 1500, 300};
    tk::Label lbl{frame, "delayLabel", "&Delay", 120, 600, 600, 255};
    tk::TextBox txt{frame, "delayBox", "60", 720, 600, 500, 300};
    tk::VScrollBar bar{frame, "delaySpin", 1260, 600, 255, 345, 2, 598, 540};
    tk::ListBox list{*this, "rowList", 3300, 120, 2000, 2535};
    tk::ListBox checks{*this, "checkList", 5400, 120, 1000, 2535, true};
    tk::PictureBox pic{*this, "pictureBox", 120, 2300, 1500, 900, tk::BorderStyle::FixedSingle};
    tk::CommandButton ok{*this, "okButton", "&OK", 3000, 3400, 960, 375};
    tk::CommandButton cancel{*this, "cancelButton", "&Cancel", 4100, 3400, 960, 375};
    tk::Timer timer{*this, "timer", 100, false};

protected:
    void Form_Load() override { log.push_back("Form_Load"); }
    void Form_Activate() override { log.push_back("Form_Activate"); }
    void Form_QueryUnload(bool& cancel, tk::CloseReason reason) override {
        reasons.push_back(reason);
        log.push_back("Form_QueryUnload");
        if (onQueryUnload) onQueryUnload();
        cancel = cancelQuery;
    }
    void Form_Unload(bool& cancel) override {
        log.push_back("Form_Unload");
        if (onUnload) onUnload();
        cancel = cancelUnload;
    }
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t&) override {
        log.push_back("Form_KeyDown");
        if (onKeyDown) onKeyDown();
        if (keyCode == consumeKey) keyCode = 0;
    }
};

inline void SetTabOrder(std::initializer_list<tk::Control*> controls) {
    int index = 0;
    for (tk::Control* c : controls) c->setTabIndex(index++);
}

inline void FillRows(tk::ListBox& list, int count) {
    for (int i = 0; i < count; ++i) list.AddItem("row " + std::to_string(i));
}

} // namespace qs::test
