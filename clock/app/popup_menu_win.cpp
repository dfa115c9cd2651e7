#include "clock/app/popup_menu_win.h"

#include "clock/common/wide_win.h"

namespace vistrel {

namespace {
bool HasCaption(const MenuEntry& e) {
    return e.kind == MenuKind::Item || e.kind == MenuKind::Submenu;
}
} // namespace

MenuTexts::MenuTexts() {
    for (const MenuEntry& e : PopupMenuTable()) {
        if (HasCaption(e)) captions[e.text] = BuiltInText(e.text);
    }
}

std::vector<TextReplacement> MenuTexts::Replacements() {
    std::vector<TextReplacement> out;
    for (const MenuEntry& e : PopupMenuTable()) {
        if (HasCaption(e)) out.push_back(ReplaceInto(e.text, captions[e.text]));
    }
    return out;
}

std::string MenuTexts::CaptionOf(const MenuEntry& e) const {
    const auto found = captions.find(e.text);
    return HasCaption(e) && found != captions.end() ? found->second : std::string();
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
