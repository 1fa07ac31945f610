#include "probe_forms.h"

namespace qs::test {

ControlsForm::ControlsForm() : LifecycleForm("ControlsForm") {
    const auto logged = [this](const tk::Component& c, const char* event) {
        return [this, &c, event] { log.push_back(c.Name() + "_" + event); };
    };
    chk.Click = logged(chk, "Click");
    lbl.Click = logged(lbl, "Click");
    txt.Change = logged(txt, "Change");
    bar.Change = logged(bar, "Change");
    bar.Scroll = logged(bar, "Scroll");
    list.Click = logged(list, "Click");
    list.Scroll = logged(list, "Scroll");
    checks.Click = logged(checks, "Click");
    checks.Scroll = logged(checks, "Scroll");
    ok.Click = logged(ok, "Click");
    cancel.Click = logged(cancel, "Click");
    timer.Tick = logged(timer, "Timer");
    for (tk::Control* c : std::vector<tk::Control*>{&chk, &txt, &bar, &list, &checks, &ok, &cancel}) {
        c->GotFocus = logged(*c, "GotFocus");
        c->LostFocus = logged(*c, "LostFocus");
    }
    ok.setDefault(true);
    cancel.setCancel(true);
}

void SetTabOrder(std::initializer_list<tk::Control*> controls) {
    int index = 0;
    for (tk::Control* c : controls) c->setTabIndex(index++);
}

void FillRows(tk::ListBox& list, int count) {
    for (int i = 0; i < count; ++i) list.AddItem("row " + std::to_string(i));
}

} // namespace qs::test
