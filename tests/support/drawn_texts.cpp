// Reading the text records of an enhanced metafile.
#include "drawn_texts.h"

namespace {
int CALLBACK collectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM texts) {
    if (record->iType != EMR_EXTTEXTOUTA && record->iType != EMR_EXTTEXTOUTW) {
        return 1;
    }
    const EMRTEXT& part = reinterpret_cast<const EMREXTTEXTOUTA*>(record)->emrtext;
    const auto* start = reinterpret_cast<const char*>(record) + part.offString;
    const int length = static_cast<int>(part.nChars);
    std::string text(start, static_cast<std::size_t>(length));
    if (record->iType == EMR_EXTTEXTOUTW) {
        text.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(start), length,
                                text.data(), length, nullptr, nullptr)));
    }
    reinterpret_cast<std::vector<DrawnText>*>(texts)->push_back(
        {part.ptlReference.x, part.ptlReference.y, text});
    return 1;
}
} // namespace

bool operator==(const DrawnText& a, const DrawnText& b) {
    return a.x == b.x && a.y == b.y && a.text == b.text;
}

void PrintTo(const DrawnText& drawn, std::ostream* out) {
    *out << "\"" << drawn.text << "\" at (" << drawn.x << ", " << drawn.y << ")";
}

std::vector<DrawnText> textsDrawnBy(const std::function<void(HDC)>& draw) {
    HDC screen = GetDC(nullptr);
    HDC recorder = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    ReleaseDC(nullptr, screen);
    draw(recorder);
    HENHMETAFILE recorded = CloseEnhMetaFile(recorder);
    std::vector<DrawnText> texts;
    EnumEnhMetaFile(nullptr, recorded, collectText, &texts, nullptr);
    DeleteEnhMetaFile(recorded);
    return texts;
}
