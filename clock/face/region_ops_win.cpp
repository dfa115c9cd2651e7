#include "clock/face/region_ops_win.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "clock/common/error.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(sizeof(RGNDATAHEADER) == 32);

namespace {

UniqueRegion Checked(HRGN h, const char* what) {
    if (!h) throw Error(std::string("Cannot create a region (") + what + ")");
    return UniqueRegion(h);
}

void Combine(HRGN acc, HRGN r, int mode) {
    if (CombineRgn(acc, acc, r, mode) == ERROR) throw Error("Cannot combine regions");
}

// The pixel rows of a bitmap in a format that compares byte by byte: 8 bits per pixel for
// palette images, 24 for everything else; top row first, rows padded to 4 bytes.
struct ScanImage {
    std::vector<std::uint8_t> bytes;
    int width = 0, height = 0, bytes_per_pixel = 1;
    std::ptrdiff_t stride = 0;
};

ScanImage ReadScanImage(HBITMAP bitmap) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) throw Error("Not a bitmap");
    ScanImage img;
    img.width = info.bmWidth;
    img.height = info.bmHeight;
    const int bits = info.bmBitsPixel * info.bmPlanes;
    img.bytes_per_pixel = bits <= 8 ? 1 : 3;
    img.stride = ((static_cast<std::ptrdiff_t>(img.width) * img.bytes_per_pixel * 8 + 31) / 32) * 4;
    img.bytes.resize(static_cast<std::size_t>(img.stride) * static_cast<std::size_t>(img.height));
    if (img.bytes.empty()) return img;

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } bmi{};
    bmi.header.biSize = sizeof(BITMAPINFOHEADER);
    bmi.header.biWidth = img.width;
    bmi.header.biHeight = -img.height; // top row first
    bmi.header.biPlanes = 1;
    bmi.header.biBitCount = static_cast<WORD>(img.bytes_per_pixel * 8);
    bmi.header.biCompression = BI_RGB;
    const WindowDc screen(nullptr);
    const int rows =
        GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(img.height), img.bytes.data(),
                  reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS);
    if (rows != img.height) throw Error("Cannot read the bitmap's pixels");
    return img;
}

// One byte per pixel: 0 where the pixel equals the bottom left one, 1 elsewhere.
std::vector<std::uint8_t> ForegroundMask(const ScanImage& img) {
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(img.width) * img.height);
    if (mask.empty()) return mask;
    const std::uint8_t* bottom = img.bytes.data() + img.stride * (img.height - 1);
    for (int y = 0; y < img.height; ++y) {
        const std::uint8_t* row = img.bytes.data() + img.stride * y;
        for (int x = 0; x < img.width; ++x) {
            const std::uint8_t* px = row + static_cast<std::ptrdiff_t>(x) * img.bytes_per_pixel;
            mask[static_cast<std::size_t>(y) * img.width + x] =
                std::memcmp(px, bottom, static_cast<std::size_t>(img.bytes_per_pixel)) != 0;
        }
    }
    return mask;
}

// One region from a run of rectangles in one call.
UniqueRegion RegionOfRects(const Rect* rects, std::size_t count, std::vector<RECT>& buffer) {
    if (count == 0) return Checked(CreateRectRgn(0, 0, 0, 0), "empty");
    if (count > std::numeric_limits<DWORD>::max() / sizeof(RECT) - 1)
        throw Error("Too many rectangles for one region");
    // RGNDATA is a header followed by the rectangles; RECT storage keeps the alignment right.
    const std::size_t header_rects = (sizeof(RGNDATAHEADER) + sizeof(RECT) - 1) / sizeof(RECT);
    buffer.resize(header_rects + count);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    RECT* out = reinterpret_cast<RECT*>(data->Buffer);
    RECT bound{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& r = rects[i];
        out[i] = {r.left, r.top, r.right, r.bottom};
        bound = {std::min(bound.left, static_cast<LONG>(r.left)),
                 std::min(bound.top, static_cast<LONG>(r.top)),
                 std::max(bound.right, static_cast<LONG>(r.right)),
                 std::max(bound.bottom, static_cast<LONG>(r.bottom))};
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    data->rdh.rcBound = bound;
    const DWORD bytes = static_cast<DWORD>(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    return Checked(ExtCreateRegion(nullptr, bytes, data), "scan");
}

} // namespace

void UnionInto(UniqueRegion& acc, UniqueRegion r) {
    if (!acc) {
        acc = std::move(r);
        return;
    }
    if (r) Combine(acc.get(), r.get(), RGN_OR);
}

void CutFrom(UniqueRegion& acc, UniqueRegion r) {
    if (acc && r) Combine(acc.get(), r.get(), RGN_DIFF);
}

UniqueRegion ShiftedCopy(HRGN r, int d) {
    UniqueRegion copy = Checked(CreateRectRgn(0, 0, 0, 0), "copy");
    if (CombineRgn(copy.get(), r, nullptr, RGN_COPY) == ERROR) throw Error("Cannot copy a region");
    OffsetRgn(copy.get(), d, d);
    return copy;
}

UniqueRegion RectRegion(const Rect& r) {
    return Checked(CreateRectRgn(r.left, r.top, r.right, r.bottom), "rectangle");
}

UniqueRegion EllipseRegion(const Rect& box) {
    return Checked(CreateEllipticRgn(box.left, box.top, box.right, box.bottom), "ellipse");
}

UniqueRegion PolygonRegion(const Polygon& points) {
    std::vector<POINT> pts;
    pts.reserve(points.size());
    for (const Point& p : points) pts.push_back({p.x, p.y});
    if (pts.size() < 3) return Checked(CreateRectRgn(0, 0, 0, 0), "polygon");
    return Checked(CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), ALTERNATE),
                   "polygon");
}

UniqueRegion RegionFromRecipe(const RegionRecipe& recipe) {
    UniqueRegion acc;
    for (const RegionPart& part : recipe.parts) {
        UniqueRegion r;
        switch (part.shape) {
        case RegionShape::Rectangle: r = RectRegion(part.box); break;
        case RegionShape::Ellipse: r = EllipseRegion(part.box); break;
        case RegionShape::Polygon: r = PolygonRegion(part.points); break;
        }
        if (part.op == RegionOp::Union) UnionInto(acc, std::move(r));
        else CutFrom(acc, std::move(r));
    }
    return acc;
}

UniqueRegion RegionFromRuns(const RunList& runs, std::vector<RECT>& buffer) {
    return RegionFromRunsInGroups(runs, buffer, kRunsPerGroup);
}

UniqueRegion RegionFromRunsInGroups(const RunList& runs, std::vector<RECT>& buffer,
                                    std::size_t runs_per_group) {
    const std::vector<Rect>& rects = runs.rects;
    if (rects.size() <= runs_per_group) return RegionOfRects(rects.data(), rects.size(), buffer);
    // Whole rows go into one group, so that the groups lie one below the other.
    std::vector<UniqueRegion> groups;
    std::size_t begin = 0;
    while (begin < rects.size()) {
        std::size_t end = std::min(rects.size(), begin + runs_per_group);
        while (end < rects.size() && rects[end].top == rects[end - 1].top) ++end;
        groups.push_back(RegionOfRects(rects.data() + begin, end - begin, buffer));
        begin = end;
    }
    // Neighbours merge pairwise, so every run is copied about log2(groups) times.
    while (groups.size() > 1) {
        std::size_t out = 0;
        for (std::size_t i = 0; i < groups.size(); i += 2) {
            if (i + 1 < groups.size()) Combine(groups[i].get(), groups[i + 1].get(), RGN_OR);
            groups[out++] = std::move(groups[i]);
        }
        groups.resize(out);
    }
    return std::move(groups.front());
}

UniqueRegion BitmapToRegion(HBITMAP bitmap) {
    const ScanImage img = ReadScanImage(bitmap);
    const std::vector<std::uint8_t> mask = ForegroundMask(img);
    RunList runs;
    ScanMaskRuns(MaskView{mask.data(), img.width, img.height, img.width}, runs);
    std::vector<RECT> buffer;
    return RegionFromRuns(runs, buffer);
}

} // namespace vistrel
