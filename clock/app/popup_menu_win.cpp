#include "clock/app/popup_menu_win.h"

#include "clock/common/wide_win.h"

namespace vistrel {

MenuTexts::MenuTexts() {
    for (const MenuEntry& e : PopupMenuTable()) {
        if (e.text_number > 0) numbered[static_cast<size_t>(e.text_number)] = e.caption;
    }
}

std::vector<TextReplacement> MenuTexts::Replacements() {
    std::vector<TextReplacement> out;
    for (const MenuEntry& e : PopupMenuTable()) {
        if (e.text_number > 0) {
            out.push_back(ReplaceInto(e.text_number, numbered[static_cast<size_t>(e.text_number)]));
        }
    }
    return out;
}

std::string MenuTexts::CaptionOf(const MenuEntry& e) const {
    return e.text_number > 0 ? numbered[static_cast<size_t>(e.text_number)] : e.caption;
}

UniqueMenu BuildPopupMenu(const MenuTexts& texts, const CommandFacts& facts) {
    UniqueMenu menu(CreatePopupMenu());
    // The menus being filled: the pop-up itself, then each open submenu.
    std::vector<HMENU> open{menu.get()};
    for (const MenuEntry& e : PopupMenuTable()) {
        const std::wstring caption = Widen(texts.CaptionOf(e));
        switch (e.kind) {
        case MenuKind::Item: {
            const CommandState s = StateOf(e.command, facts);
            const UINT flags =
                MF_STRING | (s.enabled ? 0 : MF_GRAYED) | (s.checked ? MF_CHECKED : 0);
            AppendMenuW(open.back(), flags, e.command, caption.c_str());
            break;
        }
        case MenuKind::Separator: AppendMenuW(open.back(), MF_SEPARATOR, 0, nullptr); break;
        case MenuKind::Submenu: {
            HMENU sub = CreatePopupMenu(); // owned by its parent once appended
            AppendMenuW(open.back(), MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
            open.push_back(sub);
            break;
        }
        case MenuKind::EndSubmenu:
            if (open.size() > 1) open.pop_back();
            break;
        }
    }
    return menu;
}

} // namespace vistrel
