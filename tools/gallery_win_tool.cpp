// Renders the clock face in every hand, tick, frame, numeral and text-position style onto one
// contact sheet, so that they can be looked at side by side. Outside the window's outline the
// sheet shows a plain "desktop" colour, as the user would see it.
// Usage: gallery_win <output.bmp> [tile size]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "clock/common/message_box.h"
#include "clock/common/wide_win.h"
#include "clock/face/face_painter_win.h"
#include "clock/face/gdi_paint_win.h"

using namespace vistrel;

namespace {

struct Tile {
    std::string label;
    TOptionItem options;
};

constexpr std::uint32_t kDesktop = 0x00A08060; // a muted blue-grey, as 0x00BBGGRR
constexpr int kLabelHeight = 18;
constexpr int kColumns = 7;

std::vector<Tile> Tiles() {
    std::vector<Tile> tiles;
    TOptionItem base;
    base.SNeedle = true;
    tiles.push_back({"default", TOptionItem{}});
    for (int s = 0; s < 15; ++s) {
        TOptionItem o = base;
        o.NeedleStyle = s;
        tiles.push_back({"hand style " + std::to_string(s), o});
    }
    for (int s = 0; s < 4; ++s) {
        TOptionItem o = base;
        o.ThickStyle = s;
        o.ColorChange = true;
        tiles.push_back({"tick style " + std::to_string(s), o});
    }
    for (int s = 0; s < 3; ++s) {
        TOptionItem o = base;
        o.FrameShow = true;
        o.FrameStyle = s;
        o.ColorFrame = 0x00306090;
        o.ColorFrameE = 0x00FFFFFF;
        tiles.push_back({"frame style " + std::to_string(s), o});
    }
    for (int s = 0; s < 4; ++s) {
        TOptionItem o = base;
        o.MojiBanType = s;
        // The Roman and circled numerals are not in every Latin font; a Japanese one has them.
        if (s == 1 || s == 2) o.MojiBanFont = "MS Gothic";
        tiles.push_back({"numerals " + std::to_string(s), o});
    }
    for (int s = 0; s < 4; ++s) {
        TOptionItem o = base;
        o.DateCharPos = s;
        tiles.push_back({"date pos " + std::to_string(s), o});
    }
    for (int s = 0; s < 3; ++s) {
        TOptionItem o = base;
        o.TimeChar = true;
        o.TimeCharForm = 1;
        o.ColorTime = 0x0000FFFF;
        o.TimeCharPos = s;
        tiles.push_back({"time pos " + std::to_string(s), o});
    }
    return tiles;
}

void WriteBmp(const std::string& path, const DibCanvas& sheet) {
    const int w = sheet.width(), h = sheet.height();
    const int rowBytes = w * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = -h;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes) * h;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    GdiFlush();
    for (int y = 0; y < h; ++y) out.write(reinterpret_cast<const char*>(sheet.Row(y)), rowBytes);
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gallery_win <output.bmp> [tile size]\n");
        return 2;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 160;
    SetMessageBoxAnswererForTests([](const MessageBoxCall& call) {
        std::fprintf(stderr, "message: %s\n", call.text.c_str());
        return MsgResult::Ok;
    });
    const std::vector<Tile> tiles = Tiles();
    const int rows = (static_cast<int>(tiles.size()) + kColumns - 1) / kColumns;
    const int cellW = size + 8, cellH = size + kLabelHeight + 8;
    DibCanvas sheet(32);
    sheet.Resize(kColumns * cellW, rows * cellH);
    {
        const DcPenBrush colours(sheet.dc());
        colours.Set(kDesktop);
        PatBlt(sheet.dc(), 0, 0, sheet.width(), sheet.height(), PATCOPY);
    }
    // 10:08:37 spreads the hands apart; one alarm mark of each kind ahead.
    const TDateTime now = EncodeDateTime(2024, 3, 5, 10, 8, 37, 0);
    const std::vector<AlarmMarkSource> alarms{{1, 0x0000FF00, now + 20.0 / 1440},
                                              {2, 0x00FF00FF, now + 40.0 / 1440}};
    FaceRequest req;
    req.size = size;
    req.time = FaceTimeAt(now);
    req.alarms = alarms;
    req.screen = QueryScreenTraits();
    UniqueFont label(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                 NONANTIALIASED_QUALITY, 0, L"Arial"));
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        FacePainter painter;
        FaceResult r = painter.Render(tiles[i].options, req);
        const int x = static_cast<int>(i % kColumns) * cellW + 4;
        const int y = static_cast<int>(i / kColumns) * cellH + 4;
        // The face where the outline lets it through, the desktop elsewhere.
        if (r.shape) {
            OffsetRgn(r.shape.get(), x, y);
            SelectClipRgn(sheet.dc(), r.shape.get());
        } else {
            const UniqueRegion all(CreateRectRgn(x, y, x + size, y + size));
            SelectClipRgn(sheet.dc(), all.get());
        }
        BitBlt(sheet.dc(), x, y, size, size, painter.FaceBitmap().dc(), 0, 0, SRCCOPY);
        SelectClipRgn(sheet.dc(), nullptr);
        const SelectGuard font(sheet.dc(), label.get());
        SetBkMode(sheet.dc(), TRANSPARENT);
        SetTextColor(sheet.dc(), RGB(255, 255, 255));
        const std::wstring text = Widen(tiles[i].label);
        TextOutW(sheet.dc(), x, y + size + 2, text.c_str(), static_cast<int>(text.size()));
    }
    WriteBmp(argv[1], sheet);
    std::printf("%zu faces written to %s\n", tiles.size(), argv[1]);
    return 0;
}
