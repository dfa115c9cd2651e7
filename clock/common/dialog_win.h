// The one base class of the program's dialogs, beside Window. A dialog comes from a DIALOGEX
// template in the resources; the object is attached at WM_INITDIALOG (lParam = this) and
// detached at WM_NCDESTROY. The procedure shares Window's guard: an exception never crosses into
// the system.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "clock/common/geometry.h"

namespace vistrel {

class Dialog;
// Tests drive modal dialogs through this seam: once a modal dialog is shown, its loop calls the
// driver with the dialog (messages the driver posts then go through the dialog's own loop); a
// dialog still open three seconds later is ended with IDABORT, so that a test never blocks. An
// empty function removes the driver.
using ModalDriver = std::function<void(Dialog&)>;
void SetModalDriverForTests(ModalDriver driver);

class Dialog {
public:
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    // The object behind a dialog of this program; nothing for any other window.
    static Dialog* FromHandle(HWND hwnd);

    // A modeless dialog's first look at a message for it or its controls, before the dialog
    // manager's keys (Tab, Enter, Escape); true when it has handled the message.
    virtual bool PreTranslate(const MSG& /*msg*/) { return false; }

protected:
    explicit Dialog(int template_id) : template_id_(template_id) {}

    // Runs the dialog modally and returns what End was given. Throws Error when the template
    // cannot be created.
    INT_PTR RunModal(HWND owner);
    // Creates the dialog without blocking; its keyboard messages go through IsDialogMessage in
    // every message loop while it exists.
    void CreateModeless(HWND owner);
    // Creates a page inside a parent (a DS_CONTROL | WS_CHILD template).
    void CreateChild(HWND parent);
    // Ends a modal run with a result; destroys a modeless dialog or a page.
    void End(INT_PTR result);

    // Texts (the language library), filling, placing. True lets the system set the focus.
    virtual bool OnInit() { return true; }
    // IDOK: Enter and the default button.
    virtual void OnOK() { End(IDOK); }
    // IDCANCEL: Escape and the control whose ID is IDCANCEL.
    virtual void OnCancel() { End(IDCANCEL); }
    // The close box.
    virtual void OnClose() { OnCancel(); }
    virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    virtual std::optional<LRESULT> OnNotify(const NMHDR& /*header*/) { return std::nullopt; }
    virtual void OnDpiChanged(UINT /*dpi*/) {}
    // Any other message; nothing lets the default dialog handling have it.
    virtual std::optional<INT_PTR> OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/) {
        return std::nullopt;
    }
    // Called after the window is gone; a self-owning dialog may delete itself here.
    virtual void OnFinalMessage() {}

    // Puts the dialog next to the clock window by the program's one placement rule.
    void PlaceNearClockWindow(HWND clock);

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    INT_PTR Handle(UINT msg, WPARAM wp, LPARAM lp);
    void RunDriver();
    void Detach();

    int template_id_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    bool ended_ = false; // a modal run has been given its result
};

} // namespace vistrel
