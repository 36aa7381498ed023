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
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    if (record->iType == EMR_EXTTEXTOUTW) {
        text.assign(reinterpret_cast<const wchar_t*>(start), text.size());
    } else {
        text.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_ACP, 0, start, length, text.data(), length)));
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
    std::string utf8(drawn.text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, drawn.text.data(), static_cast<int>(drawn.text.size()),
                            utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    *out << "\"" << utf8 << "\" at (" << drawn.x << ", " << drawn.y << ")";
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
