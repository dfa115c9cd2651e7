// The English language library the build makes, loaded as a user would have it beside the
// program: every window's captions, control texts, list entries and menus hold no Japanese, and
// none is empty where the built-in Japanese has a text.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "clock/alarm/alarm_board_win.h"
#include "clock/alarm/alarm_fusen_win.h"
#include "clock/alarm/alarm_msg_win.h"
#include "clock/alarm/alarm_view_win.h"
#include "clock/alarm/missed_alarms_win.h"
#include "clock/app/popup_menu_win.h"
#include "clock/common/dialog_win.h"
#include "clock/common/language_win.h"
#include "clock/common/vocabulary.h"
#include "clock/common/wide_win.h"
#include "clock/face/load_style_win.h"
#include "clock/options/about_win.h"
#include "clock/options/option_dialog_win.h"
#include "clock/options/option_ids.h"
#include "nappo/status_window_win.h"
#include "resources/resource.h"
#include "support/quiet_options_host.h"
#include "support/scratch_folder.h"
#include "support/test_windows_win.h"

namespace vistrel {
namespace {

using Texts = std::map<std::string, std::string>; // by control (and entry), its text

// Hiragana, katakana (also half-width), CJK ideographs and the full-width forms.
bool HasJapanese(const std::wstring& text) {
    for (const wchar_t c : text) {
        if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) ||
            (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    }
    return false;
}

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

// Lists whose entries are the user's (font names) or a sample of the face (a weekday in
// Japanese is one of the date's styles).
bool ContentList(int id) {
    return id == oid::cmbMojiBanFont || id == oid::cmbDateCharFont || id == oid::cmbTimeCharFont ||
           id == oid::cmbWeekType;
}

void AddMenu(Texts& texts, HMENU menu, const std::string& path) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        const std::string key = path + "/" + std::to_string(i);
        texts[key] = Narrow(text);
        if (const HMENU sub = GetSubMenu(menu, i)) AddMenu(texts, sub, key);
    }
}

void AddWindow(Texts& texts, HWND window, const std::string& name) {
    texts[name] = test_support::TextOf(window);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM lp) -> BOOL {
            Texts& t = *reinterpret_cast<Texts*>(lp);
            const std::wstring kind = ClassOf(child);
            const int id = GetDlgCtrlID(child);
            const std::string key = Narrow(kind) + "#" + std::to_string(id);
            if (_wcsicmp(kind.c_str(), L"Edit") == 0) return TRUE; // the user's own text
            t[key] = test_support::TextOf(child);
            wchar_t text[256] = {};
            if (_wcsicmp(kind.c_str(), L"ComboBox") == 0 && !ContentList(id)) {
                const auto n = SendMessageW(child, CB_GETCOUNT, 0, 0);
                for (LRESULT i = 0; i < n; ++i) {
                    if (SendMessageW(child, CB_GETLBTEXTLEN, i, 0) >= 256) continue;
                    SendMessageW(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                    t[key + ":" + std::to_string(i)] = Narrow(text);
                }
            } else if (_wcsicmp(kind.c_str(), L"ListBox") == 0) {
                const auto n = SendMessageW(child, LB_GETCOUNT, 0, 0);
                for (LRESULT i = 0; i < n; ++i) {
                    SendMessageW(child, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                    t[key + ":" + std::to_string(i)] = Narrow(text);
                }
            } else if (kind == WC_TABCONTROLW) {
                for (int i = 0; i < TabCtrl_GetItemCount(child); ++i) {
                    TCITEMW item{};
                    item.mask = TCIF_TEXT;
                    item.pszText = text;
                    item.cchTextMax = 256;
                    TabCtrl_GetItem(child, i, &item);
                    t[key + ":" + std::to_string(i)] = Narrow(text);
                }
            } else if (kind == WC_LISTVIEWW) {
                for (int i = 0;; ++i) {
                    LVCOLUMNW column{};
                    column.mask = LVCF_TEXT;
                    column.pszText = text;
                    column.cchTextMax = 256;
                    if (!ListView_GetColumn(child, i, &column)) break;
                    t[key + ":" + std::to_string(i)] = Narrow(text);
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
}

// Every window of the program, each opened, read and closed again.
Texts EveryWindowsTexts(HWND owner, HWND clock) {
    Texts texts;
    InitVocabulary();
    {
        MenuTexts menu;
        const std::vector<TextReplacement> table = menu.Replacements();
        InitVocabulary(table);
        AddMenu(texts, BuildPopupMenu(menu, CommandFacts{}).get(), "menu");
    }
    {
        test::QuietOptionsHost host;
        OptionsDialogSetup setup;
        setup.owner = owner;
        setup.clock = clock;
        TfrmOption* options = TfrmOption::Open(host, setup, TOptionItem{}, 0);
        AddWindow(texts, options->hwnd(), "options");
        DestroyWindow(options->hwnd());
    }
    const auto modal = [&](const std::string& name, int ending, const std::function<void()>& run) {
        SetModalDriverForTests([&texts, name, ending](Dialog& d) {
            AddWindow(texts, d.hwnd(), name);
            PostMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(ending, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(d.hwnd(), ending)));
        });
        run();
        SetModalDriverForTests({});
    };
    modal("alarm editor", IDCANCEL, [&] {
        TAlarmItem item;
        item.message = "x";
        RunAlarmView(owner, AlarmViewHost{clock, {}, nullptr}, {item});
    });
    test::ScratchFolder folder;
    TOptionItem live;
    StyleHost style{live, 202, clock, [] {}};
    modal("style picker", IDC_LOAD_STYLE_CANCEL,
          [&] { RunLoadStyle(owner, style, folder.Path()); });
    modal("about", IDOK, [&] { RunAbout(owner, clock); });

    auto host = std::make_shared<AlarmHost>();
    host->app_window = owner;
    host->snooze = [](const TAlarmItem&) {};
    TAlarmItem item;
    item.message = "x";
    item.font_size = 9;
    for (const auto& [name, window] :
         {std::pair{"normal notice", TfrmAlarmMsg::Open(item, 0, host)},
          std::pair{"sticky note", TfrmAlarmFusen::Open(item, 0, host)},
          std::pair{"missed alarms", TfrmMissedAlarms::Open({{item, item.next_time}}, host)}}) {
        AddWindow(texts, window, name);
        DestroyWindow(window);
    }
    const HWND board = TfrmAlarmBoard::Open(item, 0, 2, BoardPlace{}, host);
    AddMenu(texts, static_cast<TfrmAlarmBoard*>(AlarmNotice::FromHandle(board))->popup_menu(),
            "board");
    DestroyWindow(board);

    nappo::StatusWindow status([] {});
    status.Create(owner);
    AddWindow(texts, status.hwnd(), "nappo");
    DestroyWindow(status.hwnd());
    return texts;
}

std::wstring EnglishLibraryPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"lang\\en\\Lang.dll";
}

TEST(EnglishLibrary, EveryWindowHasEnglishWhereTheJapaneseHasText) {
    test_support::StandInWindow owner{0, 0, 1, 1, L"app", true};
    test_support::StandInWindow clock{1024 - 133, 200, 133, 133, L"clock"};
    SetLanguageLibraryForTests([]() -> std::unique_ptr<StringSource> { return nullptr; });
    const Texts japanese = EveryWindowsTexts(owner.get(), clock.get());
    const std::wstring path = EnglishLibraryPath();
    ASSERT_TRUE(LanguageLibrary::OpenFile(path)) << "the build makes lang\\en\\Lang.dll";
    SetLanguageLibraryForTests([path] { return LanguageLibrary::OpenFile(path); });
    const Texts english = EveryWindowsTexts(owner.get(), clock.get());
    SetLanguageLibraryForTests({});
    InitVocabulary();

    EXPECT_GT(japanese.size(), 300u) << "every window was walked";
    for (const auto& [key, text] : japanese) {
        if (text.empty()) continue;
        const auto found = english.find(key);
        ASSERT_NE(found, english.end()) << key;
        EXPECT_FALSE(found->second.empty()) << key << " (" << text << ")";
    }
    for (const auto& [key, text] : english)
        EXPECT_FALSE(HasJapanese(Widen(text))) << key << ": " << text;
}

} // namespace
} // namespace vistrel
